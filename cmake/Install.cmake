# `cmake --install` lays out a self-contained program folder, as the build's bin/ is: the program,
# the report and import tools, the OFX reader's child program, Blank.mdb, Data/ with the help pages and the
# sample account, translations/ with the windows' catalogues, and Series/ with the reference rate series. Launchers in the prefix's bin point into it; the program finds its folder through
# its own real path. Around it go what a desktop and a terminal look for: the menu entry, the icon,
# the AppStream metadata and the manual pages.
include(GNUInstallDirs)
set(VANTRELL_INSTALL_DIR ${CMAKE_INSTALL_LIBDIR}/vantrell)
# The AppStream component id, also the desktop entry's name (README, "The Debian package").
set(VANTRELL_APP_ID org.vantrell.Vantrell)
# The tools a user runs by name: each has a launcher and a manual page.
set(VANTRELL_COMMANDS vantrell vantrell-report vantrell-import)

install(TARGETS vantrell vantrell-report vantrell-import vantrell-ofxread RUNTIME DESTINATION ${VANTRELL_INSTALL_DIR})
install(FILES ${PROGRAM_DIR}/Blank.mdb DESTINATION ${VANTRELL_INSTALL_DIR})
install(DIRECTORY ${PROGRAM_DIR}/Data/ DESTINATION ${VANTRELL_INSTALL_DIR}/Data
        FILES_MATCHING PATTERN "*.rtf" PATTERN "Sample.mdb")
install(FILES ${VANTRELL_QM_FILES} DESTINATION ${VANTRELL_INSTALL_DIR}/translations)
install(DIRECTORY ${PROGRAM_DIR}/Series/ DESTINATION ${VANTRELL_INSTALL_DIR}/Series
        FILES_MATCHING PATTERN "*.csv")
foreach(program ${VANTRELL_COMMANDS})
    install(CODE "
        set(link \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/${program}\")
        file(MAKE_DIRECTORY \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}\")
        file(REMOVE \"\${link}\")
        file(CREATE_LINK \"../${VANTRELL_INSTALL_DIR}/${program}\" \"\${link}\" SYMBOLIC)
        message(STATUS \"Installing: \${link}\")")
endforeach()

# The icon: drawn at 256 pixels, scaled down at build time for the smaller sizes of the hicolor
# theme. No larger size is made up from it.
set(ICON ${CMAKE_SOURCE_DIR}/resources/icons/vantrell.png)
set(ICON_OUTPUTS "")
foreach(size 48 64 128)
    set(scaled ${CMAKE_BINARY_DIR}/icons/${size}x${size}/vantrell.png)
    add_custom_command(OUTPUT ${scaled}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/icons/${size}x${size}
        COMMAND vantrell-mkicon ${ICON} ${scaled} ${size}
        DEPENDS vantrell-mkicon ${ICON}
        COMMENT "Scaling the icon to ${size} pixels")
    list(APPEND ICON_OUTPUTS ${scaled})
    install(FILES ${scaled} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()
install(FILES ${ICON} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/256x256/apps)

install(FILES ${CMAKE_SOURCE_DIR}/resources/${VANTRELL_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
configure_file(${CMAKE_SOURCE_DIR}/resources/${VANTRELL_APP_ID}.metainfo.xml.in
               ${CMAKE_BINARY_DIR}/${VANTRELL_APP_ID}.metainfo.xml @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/${VANTRELL_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# The manual pages, written from each tool's --help at build time (cmake/ManPage.cmake): an option
# added to a usage text is in the manual page with the next build.
set(MAN_OUTPUTS "")
foreach(program ${VANTRELL_COMMANDS})
    set(others ${VANTRELL_COMMANDS})
    list(REMOVE_ITEM others ${program})
    list(JOIN others "," others)
    set(page ${CMAKE_BINARY_DIR}/man/${program}.1)
    add_custom_command(OUTPUT ${page}.gz
        COMMAND ${CMAKE_COMMAND} -DTOOL=$<TARGET_FILE:${program}> -DNAME=${program}
            -DVERSION=${PROJECT_VERSION} -DDATE=${VANTRELL_RELEASE_DATE} -DSEE_ALSO=${others}
            -DOUTPUT=${page} -P ${CMAKE_SOURCE_DIR}/cmake/ManPage.cmake
        COMMAND gzip -9nkf ${page}
        DEPENDS ${program} ${CMAKE_SOURCE_DIR}/cmake/ManPage.cmake
        COMMENT "Writing the manual page of ${program}")
    list(APPEND MAN_OUTPUTS ${page}.gz)
    install(FILES ${page}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endforeach()

add_custom_target(package_files ALL DEPENDS ${ICON_OUTPUTS} ${MAN_OUTPUTS})
