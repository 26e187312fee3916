# Designer forms are compiled per target, from the target's own list.
#
# A door build swaps a form by listing its variant's .ui in place of the base
# one under the same file name.  AUTOUIC cannot do that: it picks the form that
# lies next to the including source file, which is always the base form.  So
# every target that has forms lists them here and gets its own ui_*.h folder.
function(panel_add_forms target)
    set(out_dir "${CMAKE_CURRENT_BINARY_DIR}/${target}_forms")
    file(MAKE_DIRECTORY "${out_dir}")
    set(headers)
    foreach(form IN LISTS ARGN)
        get_filename_component(form_abs "${form}" ABSOLUTE)
        get_filename_component(form_name "${form}" NAME_WE)
        set(header "${out_dir}/ui_${form_name}.h")
        if(header IN_LIST headers)
            message(FATAL_ERROR "${target}: two forms named ${form_name}.ui")
        endif()
        add_custom_command(
            OUTPUT "${header}"
            COMMAND Qt5::uic -o "${header}" "${form_abs}"
            DEPENDS "${form_abs}"
            COMMENT "uic ${form} (${target})"
            VERBATIM)
        list(APPEND headers "${header}")
    endforeach()
    set_source_files_properties(${headers} PROPERTIES SKIP_AUTOGEN ON)
    target_sources(${target} PRIVATE ${headers})
    target_include_directories(${target} PUBLIC "${out_dir}")
endfunction()
