# Installs the desktop entry and the icon beside the program, and describes the Debian
# package `cpack -G DEB` makes from the installed files.
install(FILES ${PROJECT_SOURCE_DIR}/packaging/fourier-analysis.desktop
  DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/fourier-analysis.svg
  DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME fourier-analysis)
set(CPACK_PACKAGE_VENDOR "Fourier Análisis developers")
set(CPACK_PACKAGE_CONTACT "Fourier Análisis developers <fourier-analysis@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "draws Fourier partial sums for the classroom")
set(CPACK_PACKAGE_DESCRIPTION
  "A small desktop program for teaching that shows how a Fourier series builds\n\
up a periodic signal: it draws y = 4 sin x, y = 4 cos x and the partial sums\n\
of the square, triangle and sawtooth series, with as many terms and at the\n\
scale the user types.")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${CPACK_PACKAGE_CONTACT}")
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
include(CPack)
