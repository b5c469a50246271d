# A Windows download keeps everything in one folder: the program, the Qt
# libraries and the platform and style plugins it loads, MinGW's runtime, and
# the licences (Qt's libraries are LGPL-3.0 shared libraries, so their texts
# travel with them).
install(TARGETS velkiro RUNTIME DESTINATION .)
foreach(module Core Gui Widgets)
    install(FILES $<TARGET_FILE:Qt6::${module}> DESTINATION .)
endforeach()
install(FILES $<TARGET_FILE:Qt6::QWindowsIntegrationPlugin> DESTINATION platforms)
install(FILES $<TARGET_FILE:Qt6::QWindowsVistaStylePlugin> DESTINATION styles)
if(MINGW)
    foreach(dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
        execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
                        OUTPUT_VARIABLE runtime OUTPUT_STRIP_TRAILING_WHITESPACE)
        install(FILES ${runtime} DESTINATION .)
    endforeach()
endif()
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE ${PROJECT_SOURCE_DIR}/assets/LiberationSans-OFL.txt
        DESTINATION licenses)
file(GLOB qt_licences ${QT6_INSTALL_PREFIX}/licenses/*)
install(FILES ${qt_licences} DESTINATION licenses/qt)

# The zip, velkiro-1.00-win64.zip, and the installer, velkiro-1.00-setup.exe:
# a 64-bit installer for a 64-bit program, with a Start-menu entry, an
# uninstaller and an entry among the installed programs.
set(CPACK_GENERATOR ZIP NSIS PARENT_SCOPE)
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_CURRENT_SOURCE_DIR}/cpack-file-names.cmake PARENT_SCOPE)
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE PARENT_SCOPE)
set(CPACK_PACKAGE_INSTALL_DIRECTORY Velkiro PARENT_SCOPE)
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY Velkiro PARENT_SCOPE)
set(CPACK_PACKAGE_EXECUTABLES velkiro Velkiro PARENT_SCOPE)
set(CPACK_NSIS_EXECUTABLES_DIRECTORY . PARENT_SCOPE)
set(CPACK_NSIS_PACKAGE_NAME Velkiro PARENT_SCOPE)
set(CPACK_NSIS_DISPLAY_NAME Velkiro PARENT_SCOPE)
set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64" PARENT_SCOPE)
set(CPACK_NSIS_INSTALLED_ICON_NAME velkiro.exe PARENT_SCOPE)
set(CPACK_NSIS_MUI_ICON ${VELKIRO_ICO} PARENT_SCOPE)
set(CPACK_NSIS_MUI_UNIICON ${VELKIRO_ICO} PARENT_SCOPE)
set(CPACK_NSIS_DEFINES "Target amd64-unicode" PARENT_SCOPE)
