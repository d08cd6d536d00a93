# The Windows packages that `cpack` makes in a Windows build folder:
#   velmora-<version>-windows-x64.zip  the program to unpack and run as it is
#   velmora-<version>-setup.exe        an installer made with NSIS, in Bulgarian
# Both hold velmora.exe, LICENSE.txt and a short README.txt in Bulgarian.
# Included by cmake/Packaging.cmake before CPack.

# Text files as Windows' own editors expect them: CR LF line ends and a .txt
# name, so that a double click opens them.
set(velmora_windows_docs ${PROJECT_BINARY_DIR}/packaging/windows)
foreach(doc IN ITEMS LICENSE packaging/windows/README.txt)
    get_filename_component(name ${doc} NAME_WE)
    file(READ ${PROJECT_SOURCE_DIR}/${doc} text)
    string(REPLACE "\n" "\r\n" text "${text}")
    file(WRITE ${velmora_windows_docs}/${name}.txt "${text}")
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/${doc})
endforeach()
install(FILES ${velmora_windows_docs}/LICENSE.txt ${velmora_windows_docs}/README.txt
        DESTINATION .)

set(CPACK_GENERATOR ZIP NSIS)
# Each generator names its file (packaging/windows/CPackFileNames.cmake,
# which cpack reads once per generator).
set(CPACK_PROJECT_CONFIG_FILE ${PROJECT_SOURCE_DIR}/packaging/windows/CPackFileNames.cmake)

# The installer: into "C:\Program Files\Velmora", a Start-menu folder with the
# program and its uninstaller, and the uninstaller registered with Windows
# under the program's name, version and publisher. /S installs (and
# uninstalls) silently.
set(CPACK_NSIS_PACKAGE_NAME Velmora)
set(CPACK_NSIS_DISPLAY_NAME Velmora)
set(CPACK_PACKAGE_INSTALL_DIRECTORY Velmora)
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY Velmora)
set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
set(CPACK_NSIS_MENU_LINKS velmora.exe Velmora)
set(CPACK_NSIS_INSTALLED_ICON_NAME velmora.exe)
set(CPACK_NSIS_URL_INFO_ABOUT ${CPACK_PACKAGE_HOMEPAGE_URL})
set(CPACK_NSIS_HELP_LINK ${CPACK_PACKAGE_HOMEPAGE_URL})
set(CPACK_NSIS_CONTACT ${CPACK_PACKAGE_CONTACT})
set(CPACK_NSIS_MUI_ICON ${PROJECT_SOURCE_DIR}/window/window-icon.ico)
set(CPACK_NSIS_MUI_UNIICON ${PROJECT_SOURCE_DIR}/window/window-icon.ico)
set(CPACK_NSIS_COMPRESSOR "/SOLID lzma")
set(CPACK_NSIS_MANIFEST_DPI_AWARE ON)
# (BrandingText itself: CPACK_NSIS_BRANDING_TEXT adds /TRIM, which makensis
# refuses on Linux.) The installer's own Bulgarian texts in place of some of
# NSIS's (packaging/windows/installer_texts.nsh). CPackConfig.cmake quotes the
# value in double quotes, so it holds none.
set(CPACK_NSIS_DEFINES
    "BrandingText 'Velmora ${PROJECT_VERSION}'
  !include /CHARSET=UTF8 '${PROJECT_SOURCE_DIR}/packaging/windows/installer_texts.nsh'")
# The GPL asks for no agreement: LICENSE.txt is installed, not shown.
set(CPACK_RESOURCE_FILE_LICENSE ${velmora_windows_docs}/LICENSE.txt)
set(CPACK_NSIS_IGNORE_LICENSE_PAGE ON)

# A 64-bit Unicode installer, whose Cyrillic does not depend on Windows'
# code page for programs that are not Unicode and which, like velmora.exe,
# runs on 64-bit Windows (and under a 64-bit wine); CPack's default is a
# 32-bit one. cpack splits makensis's command line at blanks that are not
# escaped, and CPackConfig.cmake takes one backslash away.
set(CPACK_NSIS_EXECUTABLE_PRE_ARGUMENTS "-XTarget\\\\ amd64-unicode")

# CPack's installer script speaks every language NSIS knows and picks the
# one of the Windows it runs on. Velmora speaks Bulgarian only, so its
# installer does too: a copy of the script with Bulgarian as its one
# language, and the uninstall shortcut named as Windows names uninstalling.
# CPack looks for NSIS.template.in in CMAKE_MODULE_PATH before its own.
set(velmora_nsis_template ${CMAKE_ROOT}/Modules/Internal/CPack/NSIS.template.in)
file(READ ${velmora_nsis_template} velmora_nsis)
set(velmora_nsis_edits
    # Pairs: what the script says (a regular expression), what it says
    # instead. Every language but the first, the default, goes, and the
    # first becomes Bulgarian.
    " *!insertmacro MUI_LANGUAGE \"[A-Za-z]+\"\n" ""
    "MUI_LANGUAGE \"English\"" "MUI_LANGUAGE \"Bulgarian\""
    "Uninstall\\.lnk" "Деинсталиране на Velmora.lnk")
while(velmora_nsis_edits)
    list(POP_FRONT velmora_nsis_edits from to)
    string(REGEX MATCH "${from}" found "${velmora_nsis}")
    if(NOT found)
        message(FATAL_ERROR "CPack's ${velmora_nsis_template} no longer has '${from}'")
    endif()
    string(REGEX REPLACE "${from}" "${to}" velmora_nsis "${velmora_nsis}")
endwhile()
file(WRITE ${PROJECT_BINARY_DIR}/packaging/windows/nsis/NSIS.template.in "${velmora_nsis}")
list(PREPEND CMAKE_MODULE_PATH ${PROJECT_BINARY_DIR}/packaging/windows/nsis)
