# Install rules, CPack's description of the package and the Windows resources
# of the velmora executable.
include(GNUInstallDirs)
if(WIN32)
    # A Windows program folder holds the program itself, not a bin\ below it.
    set(CMAKE_INSTALL_BINDIR .)
endif()

set(VELMORA_APP_ID bg.velmora.velmora)
set(velmora_packaging ${PROJECT_SOURCE_DIR}/packaging)

install(TARGETS velmora RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
if(TARGET velmora_print)
    install(TARGETS velmora_print LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}/velmora)
endif()
if(UNIX AND NOT APPLE)
    # Qt comes from the system's library folders: no $ORIGIN run path (which
    # qt_standard_project_setup adds) in the installed program.
    set_target_properties(velmora PROPERTIES INSTALL_RPATH "")
    # Desktop menu entry, its icons for the hicolor theme (made from
    # window/window-icon.ico by tools/make_menu_icons.py) and the AppStream
    # metainfo.
    install(FILES ${velmora_packaging}/${VELMORA_APP_ID}.desktop
            DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
    foreach(size IN ITEMS 16 22 24 32 48 64 128 256)
        install(FILES ${velmora_packaging}/icons/${size}x${size}/${VELMORA_APP_ID}.png
                DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
    endforeach()
    install(FILES ${velmora_packaging}/icons/scalable/${VELMORA_APP_ID}.svg
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
    install(FILES ${velmora_packaging}/${VELMORA_APP_ID}.metainfo.xml
            DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
    # The manual pages, as they are: a package's tools compress them.
    install(FILES ${PROJECT_SOURCE_DIR}/man/velmora.1
            DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
    install(FILES ${PROJECT_SOURCE_DIR}/man/bg/velmora.1
            DESTINATION ${CMAKE_INSTALL_MANDIR}/bg/man1)
endif()

# Windows resources: the window icon as the executable's icon and the version
# block. Configured on every platform, so that the tests can compile it with
# mingw-w64's windres; only a Windows build links it in.
set(velmora_rc_numbers)
string(REPLACE "." ";" velmora_version_parts "${PROJECT_VERSION}.0.0.0")
list(SUBLIST velmora_version_parts 0 4 velmora_version_parts)
foreach(part IN LISTS velmora_version_parts)
    math(EXPR part "${part}") # "00" becomes 0, never an octal literal
    list(APPEND velmora_rc_numbers ${part})
endforeach()
list(JOIN velmora_rc_numbers "," VELMORA_RC_VERSION)
set(VELMORA_WINDOW_ICON ${PROJECT_SOURCE_DIR}/window/window-icon.ico)
set(VELMORA_RC ${PROJECT_BINARY_DIR}/packaging/velmora.rc)
configure_file(${velmora_packaging}/windows/velmora.rc.in ${VELMORA_RC} @ONLY)
if(WIN32)
    enable_language(RC)
    target_sources(velmora PRIVATE ${VELMORA_RC})
    set_source_files_properties(${VELMORA_RC} TARGET_DIRECTORY velmora
                                PROPERTIES OBJECT_DEPENDS ${VELMORA_WINDOW_ICON})
endif()

# What every CPack package of Velmora says about it. The Debian package is
# built from debian/ with Debian's own tools instead.
set(CPACK_PACKAGE_NAME velmora)
set(CPACK_PACKAGE_VENDOR Velmora)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Velmora <maintainers@velmora.bg>")
set(CPACK_PACKAGE_HOMEPAGE_URL https://velmora.bg)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "calculator for a right circular cone")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "Velmora finds a right circular cone's radius, slant height, height,\n"
    "lateral surface and volume from any two of them. Its window is in\n"
    "Bulgarian.\n"
    "\n"
    "Калкулатор за прав кръгов конус.")
set(CPACK_STRIP_FILES ON)
if(WIN32)
    include(${CMAKE_CURRENT_LIST_DIR}/WindowsInstaller.cmake)
endif()
include(CPack)
