# A Windows program of one file, built against a static Qt: no DLL beside
# it but Windows' own. Used for velmora.exe and for the bare Qt window that
# its start-up is measured against, so that both are made the same way.

find_package(Qt6 6.4 REQUIRED COMPONENTS Widgets PrintSupport)

# The translations of Qt's own texts (qt6-translations-l10n on Debian).
set(VELMORA_QT_TRANSLATIONS /usr/share/qt6/translations
    CACHE PATH "Folder of Qt's qtbase_*.qm translations")

# velmora_windows_program(target [PRINTS])
# Gives `target` the make-up of a shipped Windows program: the GUI
# subsystem (no console window), the C and C++ runtimes and Qt linked in,
# Qt's plugins built in, and unused code dropped and symbols stripped at
# link time.
function(velmora_windows_program target)
    set_target_properties(${target} PROPERTIES WIN32_EXECUTABLE ON)
    # Each function and datum in a section of its own, here as in the Qt
    # build, so that the linker can drop what nothing calls.
    target_compile_options(${target} PRIVATE -ffunction-sections -fdata-sections)
    target_link_options(${target} PRIVATE -static -Wl,--gc-sections -s)
    # A static Qt links in the plugins named here instead of loading them:
    # the Windows platform, the JPEG reader for the cone figure and the ICO
    # reader for the window icon. The Vista style is left out: the program
    # draws with the classic Windows style, which is part of Qt Widgets.
    qt_import_plugins(${target}
        INCLUDE_BY_TYPE platforms Qt6::QWindowsIntegrationPlugin
        INCLUDE_BY_TYPE imageformats Qt6::QJpegPlugin Qt6::QICOPlugin
        EXCLUDE_BY_TYPE styles)
    # A program that PRINTS reaches Windows' printers through the print
    # support plugin (writing a PDF needs none).
    cmake_parse_arguments(PARSE_ARGV 1 program "PRINTS" "" "")
    if(program_PRINTS)
        qt_import_plugins(${target}
            INCLUDE_BY_TYPE printsupport Qt6::QWindowsPrinterSupportPlugin)
    endif()
endfunction()

# Builds Qt's own translations for `languages` (qtbase_<language>.qm) into
# `target` as resources, with a qt.conf resource that points Qt's
# translations folder at them: QLibraryInfo reads :/qt/etc/qt.conf before any
# file, so the program finds them where a Qt installation keeps them, with
# the same code as on Linux.
function(velmora_builtin_qt_translations target)
    set(files)
    foreach(language IN LISTS ARGN)
        set(qm ${VELMORA_QT_TRANSLATIONS}/qtbase_${language}.qm)
        if(NOT EXISTS ${qm})
            message(FATAL_ERROR "Qt's translation ${qm} is missing (qt6-translations-l10n)")
        endif()
        set_source_files_properties(${qm} PROPERTIES
            QT_RESOURCE_ALIAS translations/qtbase_${language}.qm)
        list(APPEND files ${qm})
    endforeach()
    set(conf ${CMAKE_CURRENT_BINARY_DIR}/${target}_qt.conf)
    file(CONFIGURE OUTPUT ${conf} CONTENT "[Paths]\nTranslations = :/qt/translations\n")
    set_source_files_properties(${conf} PROPERTIES QT_RESOURCE_ALIAS etc/qt.conf)
    qt_add_resources(${target} ${target}_qt_translations PREFIX /qt FILES ${files} ${conf})
endfunction()
