# Form data (the `object Name: TClass ... end` files beside each screen) is embedded in the
# target that owns the screen, as Qt resources under /forms, keyed by file name alone:
#
#   ger_embed_form_data(TARGET Pkg_ger99500 FILES Cli_ger99500.dfm Cli_ger99501.dfm)
#
# makes ":/forms/Cli_ger99500.dfm" readable by LoadFormDataResource
# (src/platform/forms/formdata/LoadFormData.h). Relative paths are taken from the calling
# directory. Since only the file name is kept, two files of one name in one target are an
# error. The function may be called more than once for a target.
function(ger_embed_form_data)
    cmake_parse_arguments(ARG "" "TARGET" "FILES" ${ARGN})
    if(ARG_UNPARSED_ARGUMENTS)
        message(FATAL_ERROR "ger_embed_form_data: unexpected arguments ${ARG_UNPARSED_ARGUMENTS}")
    endif()
    if(NOT ARG_TARGET OR NOT TARGET ${ARG_TARGET})
        message(FATAL_ERROR "ger_embed_form_data: TARGET must name an existing target, not '${ARG_TARGET}'")
    endif()
    if(NOT ARG_FILES)
        message(FATAL_ERROR "ger_embed_form_data: no FILES for ${ARG_TARGET}")
    endif()

    get_target_property(names ${ARG_TARGET} GER_FORM_DATA_NAMES)
    if(NOT names)
        set(names "")
    endif()
    set(paths "")
    foreach(file IN LISTS ARG_FILES)
        get_filename_component(path "${file}" ABSOLUTE BASE_DIR "${CMAKE_CURRENT_SOURCE_DIR}")
        if(NOT EXISTS "${path}")
            message(FATAL_ERROR "ger_embed_form_data: ${path} does not exist")
        endif()
        get_filename_component(name "${path}" NAME)
        if(name IN_LIST names)
            message(FATAL_ERROR "ger_embed_form_data: ${ARG_TARGET} already embeds a form data file named ${name}")
        endif()
        list(APPEND names "${name}")
        list(APPEND paths "${path}")
        set_source_files_properties("${path}" PROPERTIES QT_RESOURCE_ALIAS "${name}")
    endforeach()

    get_target_property(batch ${ARG_TARGET} GER_FORM_DATA_BATCHES)
    if(NOT batch)
        set(batch 0)
    endif()
    math(EXPR batch "${batch} + 1")
    qt_add_resources(${ARG_TARGET} "${ARG_TARGET}_form_data_${batch}" PREFIX "/forms" FILES ${paths})
    set_target_properties(${ARG_TARGET} PROPERTIES GER_FORM_DATA_NAMES "${names}" GER_FORM_DATA_BATCHES ${batch})
endfunction()
