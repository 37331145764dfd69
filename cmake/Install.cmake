# `cmake --install` lays out a self-contained program folder, as the build's bin/ is: the program,
# the report and import tools, the OFX reader's child program, Blank.mdb and Data/ with the help pages and the
# sample account. Launchers in the prefix's bin point into it; the program finds its folder through
# its own real path.
include(GNUInstallDirs)
set(VANTRELL_INSTALL_DIR ${CMAKE_INSTALL_LIBDIR}/vantrell)

install(TARGETS vantrell vantrell-report vantrell-import vantrell-ofxread RUNTIME DESTINATION ${VANTRELL_INSTALL_DIR})
install(FILES ${PROGRAM_DIR}/Blank.mdb DESTINATION ${VANTRELL_INSTALL_DIR})
install(DIRECTORY ${PROGRAM_DIR}/Data/ DESTINATION ${VANTRELL_INSTALL_DIR}/Data
        FILES_MATCHING PATTERN "*.rtf" PATTERN "Sample.mdb")
install(FILES ${CMAKE_SOURCE_DIR}/resources/vantrell.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_SOURCE_DIR}/resources/icons/vantrell.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/256x256/apps)
foreach(program vantrell vantrell-report vantrell-import)
    install(CODE "
        set(link \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/${program}\")
        file(MAKE_DIRECTORY \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}\")
        file(REMOVE \"\${link}\")
        file(CREATE_LINK \"../${VANTRELL_INSTALL_DIR}/${program}\" \"\${link}\" SYMBOLIC)
        message(STATUS \"Installing: \${link}\")")
endforeach()
