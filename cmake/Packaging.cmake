# SPDX-License-Identifier: MIT
# Installs the desktop entry, the lesson files' type, the icons, the manual page, the AppStream metadata and the
# Debian copyright and changelog beside the program, and describes the Debian package
# `cpack -G DEB` makes from the installed files.

# Debian wants the package's maintainer as a name with a mail address that reaches them. The
# project has no address to hand out, and whoever builds a package to pass on answers for it,
# so a packager sets FOURIER_MAINTAINER (or DEBFULLNAME and DEBEMAIL, which the Debian tools
# also read). A build that sets neither calls itself a local build, with an address in the
# reserved .invalid domain (RFC 2606): it can reach nobody, and plainly says so.
if(DEFINED ENV{DEBFULLNAME} AND DEFINED ENV{DEBEMAIL})
  set(fourier_default_maintainer "$ENV{DEBFULLNAME} <$ENV{DEBEMAIL}>")
else()
  set(fourier_default_maintainer "Fourier Análisis local build <local-build@fourier-analysis.invalid>")
endif()
set(FOURIER_MAINTAINER "${fourier_default_maintainer}" CACHE STRING
  "The package's maintainer, as \"Name <address>\"")
# The project's web page and a screenshot on it, for the package's Homepage field and the
# AppStream metadata that software centres show. There is no address to assume, so both are
# left out until a packager names them.
set(FOURIER_HOMEPAGE "" CACHE STRING "The project's web page (https://...), if it has one")
set(FOURIER_SCREENSHOT_URL "" CACHE STRING
  "A web address of a screenshot of the window, for software centres")
if(FOURIER_MAINTAINER MATCHES "\\.invalid>")
  message(STATUS "Package maintainer: a local build; set FOURIER_MAINTAINER to pass the package on")
endif()

set(fourier_packaging ${PROJECT_SOURCE_DIR}/packaging)
set(fourier_generated ${PROJECT_BINARY_DIR}/packaging)
set(fourier_metainfo io.github.fourier_analysis.FourierAnalysis.metainfo.xml)

set(FOURIER_METAINFO_WEB "")
if(FOURIER_HOMEPAGE)
  string(APPEND FOURIER_METAINFO_WEB "  <url type=\"homepage\">${FOURIER_HOMEPAGE}</url>\n")
endif()
if(FOURIER_SCREENSHOT_URL)
  string(APPEND FOURIER_METAINFO_WEB "  <screenshots>\n    <screenshot type=\"default\">\n"
    "      <caption>The square series with 1, 3 and 10 terms at scale 10</caption>\n"
    "      <image>${FOURIER_SCREENSHOT_URL}</image>\n    </screenshot>\n  </screenshots>\n")
endif()
configure_file(${fourier_packaging}/${fourier_metainfo}.in ${fourier_generated}/${fourier_metainfo}
  @ONLY)
configure_file(${fourier_packaging}/changelog.in ${fourier_generated}/changelog @ONLY)

# Debian wants both compressed with gzip -9n: no name or time stamp inside, so that the same
# sources always give the same package.
find_program(FOURIER_GZIP gzip REQUIRED)
set(fourier_compressed)
foreach(source ${fourier_generated}/changelog ${fourier_packaging}/fourier-analysis.1)
  get_filename_component(name ${source} NAME)
  add_custom_command(OUTPUT ${fourier_generated}/${name}.gz
    COMMAND ${CMAKE_COMMAND} -E copy ${source} ${fourier_generated}/${name}.tmp
    COMMAND ${FOURIER_GZIP} -9nf ${fourier_generated}/${name}.tmp
    COMMAND ${CMAKE_COMMAND} -E rename ${fourier_generated}/${name}.tmp.gz
      ${fourier_generated}/${name}.gz
    DEPENDS ${source} VERBATIM)
  list(APPEND fourier_compressed ${fourier_generated}/${name}.gz)
endforeach()
add_custom_target(fourier_package_files ALL DEPENDS ${fourier_compressed})

# A stripped program for the package keeps no compiler notes either, as Debian's own tools
# leave it. This runs after the program's own install rule, which strips it.
install(CODE "if(CMAKE_INSTALL_DO_STRIP)
  execute_process(COMMAND \"${CMAKE_OBJCOPY}\" --remove-section=.comment --remove-section=.note
    \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/fourier-analysis\")
endif()")
install(FILES ${fourier_packaging}/fourier-analysis.desktop
  DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
# The lesson files' type, which the desktop entry says the program opens.
install(FILES ${fourier_packaging}/fourier-analysis-lesson.xml
  DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages)
install(FILES ${fourier_packaging}/fourier-analysis.svg
  DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${fourier_packaging}/fourier-analysis.png
  DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/128x128/apps)
install(FILES ${fourier_generated}/${fourier_metainfo} DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${fourier_generated}/fourier-analysis.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${fourier_packaging}/copyright ${fourier_generated}/changelog.gz
  DESTINATION ${CMAKE_INSTALL_DOCDIR})
install(FILES ${fourier_packaging}/lintian-overrides
  DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides RENAME fourier-analysis)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME fourier-analysis)
set(CPACK_PACKAGE_VENDOR "The Fourier Análisis developers")
set(CPACK_PACKAGE_CONTACT "${FOURIER_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "draws Fourier partial sums for the classroom")
set(CPACK_PACKAGE_DESCRIPTION
  "A small desktop program for teaching that shows how a Fourier series builds\n\
up a periodic signal: it draws y = 4 sin x, y = 4 cos x and the partial sums\n\
of the square, triangle and sawtooth series, with as many terms and at the\n\
scale the user types.")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${FOURIER_MAINTAINER}")
if(FOURIER_HOMEPAGE)
  set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${FOURIER_HOMEPAGE}")
endif()
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The libraries only recommend the platform plugins, without which no window can open.
set(CPACK_DEBIAN_PACKAGE_DEPENDS qt6-qpa-plugins)
include(CPack)
