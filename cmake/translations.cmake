# algol_translations(target name language...): compiles translations/<name>_<language>.ts of the
# current folder with lrelease and builds the .qm files into target as resources under :/i18n.
find_program(ALGOL_LRELEASE lrelease HINTS /usr/lib/qt6/bin REQUIRED)

function(algol_translations target name)
    set(qm_files)
    foreach(language ${ARGN})
        set(ts ${CMAKE_CURRENT_SOURCE_DIR}/translations/${name}_${language}.ts)
        set(qm ${CMAKE_CURRENT_BINARY_DIR}/${name}_${language}.qm)
        add_custom_command(OUTPUT ${qm}
            COMMAND ${ALGOL_LRELEASE} -silent ${ts} -qm ${qm}
            DEPENDS ${ts} VERBATIM)
        list(APPEND qm_files ${qm})
    endforeach()
    qt_add_resources(${target} "${name}_translations" PREFIX "/i18n" BASE ${CMAKE_CURRENT_BINARY_DIR}
                     FILES ${qm_files})
endfunction()
