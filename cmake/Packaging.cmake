# Install rules, the Debian package (CPack) and the Windows resources of the
# velmora executable.
include(GNUInstallDirs)

set(VELMORA_APP_ID bg.velmora.Velmora)
set(velmora_packaging ${PROJECT_SOURCE_DIR}/packaging)

install(TARGETS velmora RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
if(UNIX AND NOT APPLE)
    # Qt comes from the system's library folders: no $ORIGIN run path (which
    # qt_standard_project_setup adds) in the installed program.
    set_target_properties(velmora PROPERTIES INSTALL_RPATH "")
    # Desktop menu entry, its icon for the hicolor theme and the AppStream
    # metainfo. The PNG is made from window/window-icon.ico by
    # packaging/ico_to_png.py.
    install(FILES ${velmora_packaging}/${VELMORA_APP_ID}.desktop
            DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
    install(FILES ${velmora_packaging}/${VELMORA_APP_ID}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/32x32/apps)
    install(FILES ${velmora_packaging}/${VELMORA_APP_ID}.metainfo.xml
            DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
    install(FILES ${velmora_packaging}/copyright
            DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/velmora)
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

# Debian package: `cpack -G DEB` in the build folder writes
# velmora_<version>_<arch>.deb. dpkg-shlibdeps reads the libraries the program
# links to and depends on their packages with the versions it needs: the C and
# C++ runtime and libqt6widgets6, libqt6gui6 and libqt6core6 (>= 6.4.0); on
# Debian libqt6gui6 also holds the xcb platform plugin and the JPEG and ICO
# image plugins. The fonts are loaded by name, so they are named here.
set(CPACK_PACKAGE_NAME velmora)
set(CPACK_PACKAGE_VENDOR Velmora)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Velmora <maintainers@velmora.bg>")
set(CPACK_PACKAGE_HOMEPAGE_URL https://velmora.bg)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "calculator for a right circular cone")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "Velmora works out a right circular cone from two of its radius, slant\n"
    "height, height, lateral surface and volume. Its window is in Bulgarian.\n"
    "\n"
    "Калкулатор за прав кръгов конус.")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION math)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS fonts-liberation2)
# Qt's own texts (context menus, dialog buttons) in the user's language.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-translations-l10n)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
if(UNIX AND NOT APPLE)
    set(CPACK_GENERATOR DEB)
endif()
include(CPack)
