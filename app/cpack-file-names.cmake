# Read by cpack for each generator: the names of the Windows downloads.
if(CPACK_GENERATOR STREQUAL "ZIP")
    set(CPACK_PACKAGE_FILE_NAME velkiro-${CPACK_PACKAGE_VERSION}-win64)
elseif(CPACK_GENERATOR STREQUAL "NSIS")
    set(CPACK_PACKAGE_FILE_NAME velkiro-${CPACK_PACKAGE_VERSION}-setup)
endif()
