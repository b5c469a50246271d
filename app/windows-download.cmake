# A Windows download is one program: velkiro.exe holds Qt, its Windows
# platform and style plugins and MinGW's runtime, all linked statically.
# Beside it travel a README saying what it contains and how to rebuild it
# (Qt is LGPL-3.0: a user may relink the program with a Qt of their own) and
# the licences of everything inside it. scripts/windows/downloads.sh installs
# it into a folder and makes the zip and the installer (velkiro.nsi) from it.
install(TARGETS velkiro RUNTIME DESTINATION .)
file(READ ${QT6_INSTALL_PREFIX}/velkiro-stamp qt_stamp)  # "qt6-base VERSION OPTIONS..."
string(REGEX MATCH "^qt6-base ([^ ]+)" _ "${qt_stamp}")
set(VELKIRO_QT_DEBIAN_VERSION ${CMAKE_MATCH_1})
configure_file(windows-readme.txt.in README.txt @ONLY NEWLINE_STYLE CRLF)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/README.txt DESTINATION .)
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE ${PROJECT_SOURCE_DIR}/assets/LiberationSans-OFL.txt
        DESTINATION licenses)
# Qt's texts come with the Qt that was built (scripts/windows/build-qt.sh);
# MinGW's runtime (GCC's libraries with their runtime exception, and the
# mingw-w64 C runtime with winpthreads) is described by Debian's own files.
file(GLOB qt_licences ${QT6_INSTALL_PREFIX}/licenses/*)
install(FILES ${qt_licences} DESTINATION licenses/qt)
install(FILES /usr/share/doc/gcc-mingw-w64-base/copyright
        DESTINATION licenses/mingw RENAME gcc-runtime-copyright.txt)
install(FILES /usr/share/doc/mingw-w64-x86-64-dev/copyright
        DESTINATION licenses/mingw RENAME mingw-w64-runtime-copyright.txt)

# The program without its symbols, and with no time stamp in its header:
# strip writes the clock there unless SOURCE_DATE_EPOCH says otherwise.
install(CODE "
    execute_process(COMMAND \${CMAKE_COMMAND} -E env SOURCE_DATE_EPOCH=0 ${CMAKE_STRIP}
                            --strip-unneeded \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/velkiro.exe\"
                    COMMAND_ERROR_IS_FATAL ANY)
")

# The installer's script, with the version and the icon.
string(REPLACE "," "." VELKIRO_PE_VERSION "${VELKIRO_RC_VERSION}")
configure_file(velkiro.nsi.in velkiro.nsi @ONLY)
