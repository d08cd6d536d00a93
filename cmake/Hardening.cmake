# Release builds on Debian get the hardening flags that Debian builds its own
# packages with: stack protector, _FORTIFY_SOURCE, format checks, full RELRO
# with immediate binding ("hardening=+all" adds bindnow) and, from Debian's
# compiler defaults, PIE. dpkg-buildflags says which flags those are.
# dpkg 1.22 and later also give stack clash protection and control-flow
# protection; with an older dpkg (Debian 12) they are added here when the
# compiler knows them. (On Debian 12 the program still ends up without the
# control-flow mark: the C library's start files do not carry it.)
include(CheckCXXCompilerFlag)
if(CMAKE_BUILD_TYPE STREQUAL "Release" AND NOT CMAKE_CROSSCOMPILING AND NOT VELMORA_SANITIZE)
    find_program(VELMORA_DPKG_BUILDFLAGS dpkg-buildflags)
    if(VELMORA_DPKG_BUILDFLAGS)
        foreach(kind CPPFLAGS CXXFLAGS LDFLAGS)
            execute_process(
                COMMAND ${CMAKE_COMMAND} -E env DEB_BUILD_MAINT_OPTIONS=hardening=+all
                        ${VELMORA_DPKG_BUILDFLAGS} --get ${kind}
                WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
                OUTPUT_VARIABLE velmora_${kind}
                OUTPUT_STRIP_TRAILING_WHITESPACE
                COMMAND_ERROR_IS_FATAL ANY)
        endforeach()
        foreach(flag -fstack-clash-protection -fcf-protection)
            string(FIND "${velmora_CXXFLAGS}" "${flag}" given)
            string(MAKE_C_IDENTIFIER "VELMORA_HAS${flag}" known)
            check_cxx_compiler_flag(${flag} ${known})
            if(given EQUAL -1 AND ${known})
                string(APPEND velmora_CXXFLAGS " ${flag}")
            endif()
        endforeach()
        # CMAKE_CXX_FLAGS_RELEASE comes later on the command line, so its -O3
        # wins over the -O2 of Debian's CXXFLAGS.
        string(APPEND CMAKE_CXX_FLAGS " ${velmora_CPPFLAGS} ${velmora_CXXFLAGS}")
        string(APPEND CMAKE_EXE_LINKER_FLAGS " ${velmora_LDFLAGS}")
        message(STATUS "Release hardening flags: "
                       "${velmora_CPPFLAGS} ${velmora_CXXFLAGS} ${velmora_LDFLAGS}")
    endif()
endif()
