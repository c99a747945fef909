# SPDX-License-Identifier: MIT
# Fuzzing build: -DFOURIER_FUZZ=ON with clang (CC=clang CXX=clang++) in a build directory of its
# own. Every library is then instrumented for libFuzzer and built with AddressSanitizer and
# UndefinedBehaviorSanitizer, and the fuzz targets are built instead of the tests and benchmark.
option(FOURIER_FUZZ "Build the libFuzzer targets (clang only) instead of the tests and benchmark" OFF)

if(FOURIER_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    message(FATAL_ERROR "FOURIER_FUZZ needs clang: configure with CXX=clang++")
  endif()
  add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all
    -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
  # These shadow the cache options for the rest of this configuration.
  set(FOURIER_TESTS OFF)
  set(FOURIER_BENCH OFF)
  add_subdirectory(${PROJECT_SOURCE_DIR}/fuzz ${PROJECT_BINARY_DIR}/fuzz)
endif()
