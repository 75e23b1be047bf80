# `cmake --install build` puts the designer where a desktop finds it. On Linux
# and other freedesktop systems the program and its language file go to
# <libdir>/mostrel (the program finds language files beside itself), with
# bin/Mostrel a link to it; then the menu entry, the icon and the MIME type
# of *.UZX task files. Elsewhere the program and its language file go to bin.
include(GNUInstallDirs)

if(UNIX AND NOT APPLE)
    set(designer_folder ${CMAKE_INSTALL_LIBDIR}/mostrel)
    install(TARGETS Mostrel RUNTIME DESTINATION ${designer_folder})
    install(FILES ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/Russian.lng DESTINATION ${designer_folder})
    install(CODE "
        set(prefix \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}\")
        file(MAKE_DIRECTORY \"\${prefix}/${CMAKE_INSTALL_BINDIR}\")
        file(RELATIVE_PATH target \"\${prefix}/${CMAKE_INSTALL_BINDIR}\" \"\${prefix}/${designer_folder}/Mostrel\")
        file(CREATE_LINK \"\${target}\" \"\${prefix}/${CMAKE_INSTALL_BINDIR}/Mostrel\" SYMBOLIC)
    ")

    set(desktop ${PROJECT_SOURCE_DIR}/resources/desktop)
    install(FILES ${desktop}/mostrel.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
    install(FILES ${desktop}/mostrel.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
    install(FILES ${desktop}/mostrel-task.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages)
    # A desktop reads these caches, not the files themselves; a package
    # (with DESTDIR set) leaves them to its own install scripts.
    install(CODE "
        if(\"\$ENV{DESTDIR}\" STREQUAL \"\")
            set(share \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_DATADIR}\")
            find_program(update_mime update-mime-database)
            find_program(update_desktop update-desktop-database)
            find_program(update_icons gtk-update-icon-cache)
            if(update_mime)
                execute_process(COMMAND \${update_mime} \"\${share}/mime\" OUTPUT_QUIET ERROR_QUIET)
            endif()
            if(update_desktop)
                execute_process(COMMAND \${update_desktop} \"\${share}/applications\" OUTPUT_QUIET ERROR_QUIET)
            endif()
            if(update_icons)
                execute_process(COMMAND \${update_icons} -q -t \"\${share}/icons/hicolor\" OUTPUT_QUIET ERROR_QUIET)
            endif()
        endif()
    ")

    if(MOSTREL_BUILD_TESTS)
        add_test(NAME DesignerInstall
            COMMAND ${CMAKE_COMMAND} -DBUILD_DIR=${PROJECT_BINARY_DIR} -DWORK_DIR=${PROJECT_BINARY_DIR}/install-test
                    -P ${PROJECT_SOURCE_DIR}/cmake/CheckInstall.cmake)
    endif()
else()
    install(TARGETS Mostrel RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
    install(FILES ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/Russian.lng DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()
