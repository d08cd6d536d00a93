# On Linux the print dialog is a module of its own (velmora_print, built in
# window/), loaded at the first «Печат…» from the program's library folder.
# The program finds that folder from its own, by the path between the two
# when installed: "../lib/<triplet>/velmora" from /usr/bin.
include(GNUInstallDirs)
file(RELATIVE_PATH VELMORA_PRINT_MODULE_FOLDER
     ${CMAKE_INSTALL_FULL_BINDIR} ${CMAKE_INSTALL_FULL_LIBDIR}/velmora)
set(VELMORA_PRINT_MODULE_NAME velmora-print.so)

# Puts a copy of the print module where `program`, built in the current
# folder, looks for it, and renews it whenever the module is rebuilt.
function(velmora_print_module_beside program)
    if(NOT TARGET velmora_print)
        return()
    endif()
    cmake_path(APPEND CMAKE_CURRENT_BINARY_DIR ${VELMORA_PRINT_MODULE_FOLDER}
               OUTPUT_VARIABLE folder)
    cmake_path(NORMAL_PATH folder)
    set(copy ${folder}/${VELMORA_PRINT_MODULE_NAME})
    add_custom_command(OUTPUT ${copy}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${folder}
        COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:velmora_print> ${copy}
        DEPENDS velmora_print $<TARGET_FILE:velmora_print>
        COMMENT "Placing the print module beside ${program}")
    add_custom_target(${program}_print_module ALL DEPENDS ${copy})
    add_dependencies(${program} ${program}_print_module)
endfunction()
