# algol_install_desktop_app(target app_id source_name): installs a windowed program with its
# desktop entry and metainfo (source_name.desktop.in and source_name.metainfo.xml.in of the
# current folder, configured under the app id) and the project's star icon at four sizes.
include(GNUInstallDirs)

function(algol_install_desktop_app target app_id source_name)
    configure_file(${source_name}.desktop.in ${app_id}.desktop @ONLY)
    configure_file(${source_name}.metainfo.xml.in ${app_id}.metainfo.xml @ONLY)
    # The program links only the system's libraries: no library search path of its own once
    # installed.
    set_target_properties(${target} PROPERTIES INSTALL_RPATH "")
    install(TARGETS ${target} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
    install(FILES ${CMAKE_CURRENT_BINARY_DIR}/${app_id}.desktop
            DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
    install(FILES ${CMAKE_CURRENT_BINARY_DIR}/${app_id}.metainfo.xml
            DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
    foreach(size 32 64 128 256)
        set(icon ${PROJECT_SOURCE_DIR}/assets/pictures/star-icon-${size}.png)
        if(size EQUAL 32)
            set(icon ${PROJECT_SOURCE_DIR}/assets/pictures/star-icon.png)
        endif()
        install(FILES ${icon} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
                RENAME ${app_id}.png)
    endforeach()
endfunction()
