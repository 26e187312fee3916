# Designer forms are compiled per target, from the target's own list.
#
# A list names build A's forms.  Where a door build's form differs from build
# A's in a few properties, the build follows build A's form with its lists of
# overrides for it (<form>.overrides.xml, a list shared with another build
# first): uivariant (cmake/uivariant/) makes the variant form from them in the
# target's own folder, and uic compiles that.  A form that differs in kind is
# a form of its own, under a name of its own.  AUTOUIC cannot do this: it
# compiles the form that lies next to the including source file, so every
# target that has forms lists them here and gets its own ui_*.h folder.
find_package(Qt5 5.15 REQUIRED COMPONENTS Xml)
add_subdirectory(${CMAKE_CURRENT_LIST_DIR}/uivariant ${CMAKE_BINARY_DIR}/uivariant)
# Forms and lists stay in Designer's layout: uiformat puts them so, and the
# test forms_layout checks them with it.
add_subdirectory(${CMAKE_CURRENT_LIST_DIR}/uiformat ${CMAKE_BINARY_DIR}/uiformat)

function(panel_add_forms target)
    set(out_dir "${CMAKE_CURRENT_BINARY_DIR}/${target}_forms")
    file(MAKE_DIRECTORY "${out_dir}")

    # Each form with the lists of overrides that follow it, in their order.
    set(names)
    foreach(file IN LISTS ARGN)
        get_filename_component(file_abs "${file}" ABSOLUTE)
        get_filename_component(name "${file}" NAME_WE)
        if(file MATCHES "\\.overrides\\.xml$")
            if(NOT name IN_LIST names)
                message(FATAL_ERROR "${target}: ${file} follows no form ${name}.ui")
            endif()
            list(APPEND overrides_${name} "${file_abs}")
        elseif(file MATCHES "\\.ui$")
            if(name IN_LIST names)
                message(FATAL_ERROR "${target}: two forms named ${name}.ui")
            endif()
            list(APPEND names ${name})
            set(base_${name} "${file_abs}")
            set(overrides_${name})
        else()
            message(FATAL_ERROR "${target}: ${file} is neither a form nor a list of overrides")
        endif()
    endforeach()

    set(headers)
    foreach(name IN LISTS names)
        set(form "${base_${name}}")
        if(overrides_${name})
            set(form "${out_dir}/${name}.ui")
            add_custom_command(
                OUTPUT "${form}"
                COMMAND uivariant -o "${form}" "${base_${name}}" ${overrides_${name}}
                DEPENDS uivariant "${base_${name}}" ${overrides_${name}}
                COMMENT "uivariant ${name}.ui (${target})"
                VERBATIM)
        endif()
        set(header "${out_dir}/ui_${name}.h")
        add_custom_command(
            OUTPUT "${header}"
            COMMAND Qt5::uic -o "${header}" "${form}"
            DEPENDS "${form}"
            COMMENT "uic ${name}.ui (${target})"
            VERBATIM)
        list(APPEND headers "${header}")
    endforeach()
    set_source_files_properties(${headers} PROPERTIES SKIP_AUTOGEN ON)
    target_sources(${target} PRIVATE ${headers})
    target_include_directories(${target} PUBLIC "${out_dir}")
endfunction()
