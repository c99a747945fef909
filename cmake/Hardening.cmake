# SPDX-License-Identifier: MIT
# The hardening a distribution builds its packages with: checked buffer functions, stack
# canaries, stack clash and control-flow protection where the processor has it, and a read-only
# relocation table bound at start-up. A packager who passes the
# distribution's own flags (dpkg-buildflags) may turn this off with -DFOURIER_HARDENING=OFF.
option(FOURIER_HARDENING
  "Build with fortified functions, stack protector, stack clash and control-flow protection and full RELRO"
  ON)

if(FOURIER_HARDENING)
  include(CheckCXXCompilerFlag)
  add_compile_options(-fstack-protector-strong)
  foreach(flag -fstack-clash-protection -fcf-protection)
    string(MAKE_C_IDENTIFIER "FOURIER_HAS${flag}" supported)
    check_cxx_compiler_flag(${flag} ${supported})
    if(${supported})
      add_compile_options(${flag})
    endif()
  endforeach()
  # The checked functions need optimisation, and they hide errors from the sanitizers, which
  # check the same calls better. Some compilers define the macro already: replace theirs.
  if(NOT (FOURIER_SANITIZE OR FOURIER_FUZZ))
    add_compile_options("$<$<NOT:$<CONFIG:Debug>>:-U_FORTIFY_SOURCE;-D_FORTIFY_SOURCE=2>")
  endif()
  add_link_options(LINKER:-z,relro LINKER:-z,now)
endif()
