# Installation layout and the Debian package: the two programs, the desktop entry, the
# AppStream metadata, the icon in the hicolor theme and the command line's man page.
include(GNUInstallDirs)

foreach(program quendral quendral-calc)
    if(TARGET ${program})
        install(TARGETS ${program} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
    endif()
endforeach()

set(QUENDRAL_DATA ${PROJECT_SOURCE_DIR}/data)
install(FILES ${QUENDRAL_DATA}/quendral.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${QUENDRAL_DATA}/example.quendral.Quendral.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${QUENDRAL_DATA}/icons/quendral.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
foreach(size 16 32 48 64 128 256)
    install(FILES ${QUENDRAL_DATA}/icons/quendral-${size}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
            RENAME quendral.png)
endforeach()
install(FILES ${QUENDRAL_DATA}/quendral-calc.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quendral)
set(CPACK_PACKAGE_VENDOR "The Quendral project")
set(CPACK_PACKAGE_CONTACT "Quendral project <support@quendral.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Design calculator for a reinforced-concrete slab-type stair flight")
set(CPACK_PACKAGE_DESCRIPTION
    "Quendral designs one reinforced-concrete slab-type stair flight: design load, landing-beam\n\
line load, moments, required steel and bar arrangements, with an 18-line calculation report.\n\
The interface is in Chinese. quendral-calc runs the same calculation on the command line.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Beyond the shared libraries: the X11 platform plugin that Qt loads at run time, and a font
# that holds the Chinese texts of the windows.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-wqy-microhei | fonts-noto-cjk")
include(CPack)
