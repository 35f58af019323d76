# Installation into the usual places of a Linux desktop, and the Debian package built by CPack.
#
#   cmake --install <build> --prefix /usr   bin/brivane, the menu entry, the icon, the AppStream file,
#                                           the media type of the section files
#   cpack --config <build>/CPackConfig.cmake -G DEB
#
# The program itself is installed by app/CMakeLists.txt (bin/brivane).

if(NOT BRIVANE_UI)
    return()
endif()

include(GNUInstallDirs)

install(FILES ${PROJECT_SOURCE_DIR}/packaging/brivane.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/resources/icone.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
        RENAME brivane.svg)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/brivane.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
# The licence, where Debian keeps each package's: /usr/share/doc/brivane/copyright.
install(FILES ${PROJECT_SOURCE_DIR}/packaging/copyright DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/brivane)
# application/x-brivane-section (*.brivane); Debian's shared-mime-info rebuilds its database from
# this folder by a trigger when the package is installed or removed.
install(FILES ${PROJECT_SOURCE_DIR}/packaging/brivane-mime.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages
        RENAME brivane.xml)

set(CPACK_PACKAGE_NAME brivane)
set(CPACK_PACKAGE_VENDOR "Brivane")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_PACKAGE_DESCRIPTION
    "Brivane computes the area, the centroid, the second moments and the radii of gyration of a beam
cross-section made of at most ten elementary shapes, with an explanation of every step. Its text is
French; numbers are read and written in the user's locale.")
set(CPACK_PACKAGE_INSTALL_DIRECTORY brivane)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Brivane developers <brivane@localhost>")
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The dependencies are the packages of the shared libraries the program links, found by
# dpkg-shlibdeps: Qt 6 Core, Gui (with the xcb and offscreen platforms), Widgets and Svg (with the
# SVG icon engine the window icon needs), and the C and C++ runtimes. tools/package checks them.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's own texts in French (the command line's help, file dialogs, standard buttons): qtbase_fr.qm.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-translations-l10n")
# The captions are laid out for Tahoma, which fonts-wine provides; shared-mime-info makes the desktop
# know the section files.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-wine, shared-mime-info")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "${CPACK_PACKAGE_DESCRIPTION_SUMMARY}\n${CPACK_PACKAGE_DESCRIPTION}")

include(CPack)
