# The Debian package built by CPack (`cpack -G DEB` in the build folder, or
# `make package` from the top): /usr/lib/zentrava is the program directory,
# /usr/bin holds the two links, the desktop entry and icon go to /usr/share.
# Its Depends come from dpkg-shlibdeps on the installed binaries, plus the CJK font.
install(FILES ${CMAKE_CURRENT_LIST_DIR}/copyright DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/zentrava)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/lintian-overrides DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/lintian/overrides
        RENAME zentrava)
find_program(ZENTRAVA_GZIP gzip)
if(ZENTRAVA_GZIP)
  # Debian wants the changelog compressed reproducibly (no name, no time stamp).
  set(changelog ${CMAKE_BINARY_DIR}/packaging/changelog.Debian.gz)
  add_custom_command(OUTPUT ${changelog}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/packaging
    COMMAND ${ZENTRAVA_GZIP} -9nc ${CMAKE_CURRENT_LIST_DIR}/changelog > ${changelog}
    DEPENDS ${CMAKE_CURRENT_LIST_DIR}/changelog)
  add_custom_target(zentrava_changelog ALL DEPENDS ${changelog})
  install(FILES ${changelog} DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/zentrava)
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zentrava)
set(CPACK_PACKAGE_VENDOR "Zentrava")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Zentrava developers <developers@zentrava.example.com>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "generator of ready-made JavaScript effects for web pages")
set(CPACK_PACKAGE_DESCRIPTION "Zentrava is a desktop tool for web authors: pick an effect (mouse, menu,
text, page, time, image, game), set its parameters and get the script, a
whole HTML page and a live preview. zentrava-cli runs the same engine
without a display.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_SECTION web)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Beyond the libraries: a CJK font for the Chinese interface and the Chinese
# comments of the effects, Qt's SVG icon engine (a plug-in the app loads for
# its toolbar pictures, so no binary names its library), and Qt's own
# translations for its dialogs.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-noto-cjk, libqt6svg6")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS OFF)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://www.example.com/zentrava/")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
