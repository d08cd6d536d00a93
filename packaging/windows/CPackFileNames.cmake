# Read by cpack once for each generator of a Windows build folder: the file
# name of each package.
if(CPACK_GENERATOR STREQUAL "ZIP")
    # Unpacks into a folder of the same name.
    set(CPACK_PACKAGE_FILE_NAME "velmora-${CPACK_PACKAGE_VERSION}-windows-x64")
elseif(CPACK_GENERATOR STREQUAL "NSIS")
    set(CPACK_PACKAGE_FILE_NAME "velmora-${CPACK_PACKAGE_VERSION}-setup")
endif()
