# Installing Vantrel as a desktop program, and packaging it as a .deb.
#
#   cmake --install <build> --prefix /usr
#   cd <build> && cpack -G DEB
include(GNUInstallDirs)

install(TARGETS vantrel RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

# The help page where the program looks for it: <bin>/../share/vantrel/.
install(FILES ${PROJECT_SOURCE_DIR}/data/vantrel.html
    DESTINATION ${CMAKE_INSTALL_DATADIR}/vantrel)

# The menu entry, the software-centre metadata and the icon.
install(FILES ${PROJECT_SOURCE_DIR}/data/${VANTREL_APP_ID}.desktop
    DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
configure_file(${PROJECT_SOURCE_DIR}/data/${VANTREL_APP_ID}.metainfo.xml.in
    ${PROJECT_BINARY_DIR}/${VANTREL_APP_ID}.metainfo.xml @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/${VANTREL_APP_ID}.metainfo.xml
    DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
foreach(size IN LISTS VANTREL_ICON_SIZES)
    install(FILES ${PROJECT_SOURCE_DIR}/data/icons/vantrel-${size}.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
        RENAME ${VANTREL_APP_ID}.png)
endforeach()
install(FILES ${PROJECT_SOURCE_DIR}/data/icons/vantrel.svg
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
    RENAME ${VANTREL_APP_ID}.svg)

# The Debian package: the libraries come from dpkg-shlibdeps; the program draws
# with its own face and needs no font package; Qt's Chinese button texts and a
# way to open the help page and the e-mail link are welcome but not needed to run.
set(CPACK_PACKAGE_NAME vantrel)
set(CPACK_PACKAGE_VENDOR Quorbin)
set(CPACK_PACKAGE_CONTACT "Quorbin <mail@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_PACKAGE_INSTALL_DIRECTORY vantrel)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${PROJECT_HOMEPAGE_URL}")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Vantrel helps secondary-school students with the standard problems of\nmechanics: forces, accelerated and circular motion, work and power,\nsatellites, vibration and SI units. It shows the formulas behind each\nresult and speaks Simplified Chinese.")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n, xdg-utils")
include(CPack)
