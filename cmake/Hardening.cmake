# SPDX-License-Identifier: MIT
# The hardening a distribution builds its packages with: checked buffer functions, stack
# canaries and a read-only relocation table bound at start-up. A packager who passes the
# distribution's own flags (dpkg-buildflags) may turn this off with -DFOURIER_HARDENING=OFF.
option(FOURIER_HARDENING "Build with fortified functions, stack protector and full RELRO" ON)

if(FOURIER_HARDENING)
  add_compile_options(-fstack-protector-strong)
  # The checked functions need optimisation, and they hide errors from the sanitizers, which
  # check the same calls better. Some compilers define the macro already: replace theirs.
  if(NOT (FOURIER_SANITIZE OR FOURIER_FUZZ))
    add_compile_options("$<$<NOT:$<CONFIG:Debug>>:-U_FORTIFY_SOURCE;-D_FORTIFY_SOURCE=2>")
  endif()
  add_link_options(LINKER:-z,relro LINKER:-z,now)
endif()
