# SPDX-License-Identifier: MIT
# The warnings every target of ours is built with. They fail the build only when asked
# (-DFOURIER_WERROR=ON, as CI does): a packager's newer compiler may warn about something new,
# and that should not stop a release from building.
option(FOURIER_WERROR "Turn every warning into an error" OFF)

function(fourier_warnings target)
  target_compile_options(${target} PRIVATE
    -Wall -Wextra -Wpedantic -Wshadow -Wfloat-conversion -Wnon-virtual-dtor
    -Woverloaded-virtual -Wsuggest-override
    # Every operation of a sum is rounded as written; the compiler may not fuse them.
    -ffp-contract=off)
  if(FOURIER_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
  target_compile_definitions(${target} PRIVATE
    QT_NO_CAST_FROM_ASCII QT_NO_KEYWORDS QT_USE_QSTRINGBUILDER)
endfunction()
