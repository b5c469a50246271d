# A Windows download keeps everything in one folder: the program, the Qt
# libraries and the platform and style plugins it loads, MinGW's runtime, and
# the licences (Qt's libraries are LGPL-3.0 shared libraries, so their texts
# travel with them). scripts/windows/downloads.sh installs it into a folder
# and makes the zip and the installer (velkiro.nsi) from it.
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

# Every EXE and DLL without its debug data (most of the runtime's size), and
# with no time stamp in its header: strip writes the clock there unless
# SOURCE_DATE_EPOCH says otherwise.
install(CODE "
    file(GLOB_RECURSE binaries \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/*.exe\"
                                \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/*.dll\")
    execute_process(COMMAND \${CMAKE_COMMAND} -E env SOURCE_DATE_EPOCH=0
                            ${CMAKE_STRIP} --strip-unneeded \${binaries} COMMAND_ERROR_IS_FATAL ANY)
")

# The installer's script, with the version and the icon.
string(REPLACE "," "." VELKIRO_PE_VERSION "${VELKIRO_RC_VERSION}")
configure_file(velkiro.nsi.in velkiro.nsi @ONLY)
