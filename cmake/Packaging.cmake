# SPDX-License-Identifier: MIT
# Installs the desktop entry, the lesson files' type, the icons, the manual page, the AppStream
# metadata and the Debian copyright and changelog beside the program, and describes the Debian
# package `cpack -G DEB` makes from the installed files. The desktop entry's and the metadata's
# texts are translated from the program's own translations (see packaging/localize.cpp).

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
# The project's web page, for the package's Homepage field and the AppStream metadata. There
# is no address to assume, so it is left out until a packager names one.
set(FOURIER_HOMEPAGE "" CACHE STRING "The project's web page (https://...), if it has one")
# Software centres show the metadata's screenshot from the web. By default it is
# docs/screenshot.png where the metadata's id places the project, on GitHub; a packager who
# publishes the picture elsewhere names that address instead.
set(FOURIER_SCREENSHOT_URL
  "https://raw.githubusercontent.com/fourier-analysis/fourier-analysis/main/docs/screenshot.png"
  CACHE STRING "A web address of a screenshot of the window, for software centres")
if(FOURIER_MAINTAINER MATCHES "\\.invalid>")
  message(STATUS "Package maintainer: a local build; set FOURIER_MAINTAINER to pass the package on")
endif()

set(fourier_packaging ${PROJECT_SOURCE_DIR}/packaging)
set(fourier_generated ${PROJECT_BINARY_DIR}/packaging)
set(fourier_desktop ${FOURIER_APP_ID}.desktop)
set(fourier_metainfo ${FOURIER_APP_ID}.metainfo.xml)

set(FOURIER_METAINFO_WEB "")
if(FOURIER_HOMEPAGE)
  string(APPEND FOURIER_METAINFO_WEB "  <url type=\"homepage\">${FOURIER_HOMEPAGE}</url>\n")
endif()
if(FOURIER_SCREENSHOT_URL)
  string(APPEND FOURIER_METAINFO_WEB "  <screenshots>\n    <screenshot type=\"default\">\n"
    "      <caption>{{screenshot}}</caption>\n"
    "      <image>${FOURIER_SCREENSHOT_URL}</image>\n    </screenshot>\n  </screenshots>\n")
endif()
configure_file(${fourier_packaging}/${fourier_metainfo}.in
  ${fourier_generated}/${fourier_metainfo}.in @ONLY)

# The desktop entry, the metadata and the lesson files' type, with their texts in every language
# of the program.
add_executable(fourier_localize ${fourier_packaging}/localize.cpp)
target_link_libraries(fourier_localize PRIVATE Qt6::Core)
fourier_warnings(fourier_localize)
set(fourier_translations)
foreach(language qm IN ZIP_LISTS FOURIER_LANGUAGES FOURIER_QM_FILES)
  list(APPEND fourier_translations ${language}=${qm})
endforeach()
set(fourier_localized)
foreach(template ${fourier_packaging}/${fourier_desktop}.in ${fourier_generated}/${fourier_metainfo}.in
    ${fourier_packaging}/fourier-analysis-lesson.xml.in)
  get_filename_component(name ${template} NAME_WLE)
  add_custom_command(OUTPUT ${fourier_generated}/${name}
    COMMAND fourier_localize ${template} ${fourier_generated}/${name} ${fourier_translations}
    DEPENDS fourier_localize fourier_qm ${template} ${FOURIER_QM_FILES} VERBATIM)
  list(APPEND fourier_localized ${fourier_generated}/${name})
endforeach()
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
add_custom_target(fourier_package_files ALL DEPENDS ${fourier_compressed} ${fourier_localized})

# A stripped program for the package keeps no compiler notes either, as Debian's own tools
# leave it. This runs after the program's own install rule, which strips it.
install(CODE "if(CMAKE_INSTALL_DO_STRIP)
  execute_process(COMMAND \"${CMAKE_OBJCOPY}\" --remove-section=.comment --remove-section=.note
    \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/fourier-analysis\")
endif()")
install(FILES ${fourier_generated}/${fourier_desktop} DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
# The lesson files' type, which the desktop entry says the program opens.
install(FILES ${fourier_generated}/fourier-analysis-lesson.xml
  DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages)
install(FILES ${fourier_packaging}/fourier-analysis.svg
  DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
# Rendered from the SVG by scripts/icons.sh.
foreach(size 16 24 32 48 64 128 256)
  install(FILES ${fourier_packaging}/icons/${size}x${size}/fourier-analysis.png
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()
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
# The libraries only recommend the platform plugins, without which no window can open; Qt's
# translations make its dialogs and buttons speak the program's language.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, qt6-translations-l10n")
include(CPack)
