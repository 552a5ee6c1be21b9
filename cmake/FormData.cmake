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

# A screen class whose components, handlers and their binding follow from its form data:
#
#   ger_form_class(TARGET Pkg_ger99500 CLASS TfrmTpOperFil FORM Cli_ger99500.dfm
#                  BASE ${PROJECT_SOURCE_DIR}/src/framework/forms/frmPadrImportExport.dfm)
#
# embeds FORM (ger_embed_form_data) and has ger-formgen (src/tools/formgen) write
# <CLASS>_form.h and <CLASS>_form.cpp under ${CMAKE_BINARY_DIR}/generated, in the directory of
# the calling one relative to SOURCE_ROOT (src/ unless given): "module/TfrmTpOperFil_form.h".
# The class's header includes the generated header and writes GER_FORM_DATA(<CLASS>); first
# in its body. The generator finds every class's header under src/ and SOURCE_ROOT. The files
# are written again whenever the form data, the base form's or the generator changes.
function(ger_form_class)
    cmake_parse_arguments(ARG "" "TARGET;CLASS;FORM;BASE;SOURCE_ROOT" "" ${ARGN})
    if(NOT ARG_SOURCE_ROOT)
        set(ARG_SOURCE_ROOT "${PROJECT_SOURCE_DIR}/src")
    endif()
    if(ARG_UNPARSED_ARGUMENTS OR NOT ARG_TARGET OR NOT ARG_CLASS OR NOT ARG_FORM OR NOT ARG_BASE)
        message(FATAL_ERROR "ger_form_class: TARGET, CLASS, FORM and BASE are needed")
    endif()
    get_filename_component(form "${ARG_FORM}" ABSOLUTE BASE_DIR "${CMAKE_CURRENT_SOURCE_DIR}")
    get_filename_component(base "${ARG_BASE}" ABSOLUTE BASE_DIR "${CMAKE_CURRENT_SOURCE_DIR}")
    file(RELATIVE_PATH subdir "${ARG_SOURCE_ROOT}" "${CMAKE_CURRENT_SOURCE_DIR}")
    set(root "${CMAKE_BINARY_DIR}/generated")
    set(header "${root}/${subdir}/${ARG_CLASS}_form.h")
    set(source "${root}/${subdir}/${ARG_CLASS}_form.cpp")
    get_filename_component(form_name "${form}" NAME)
    add_custom_command(
        OUTPUT "${header}" "${source}"
        COMMAND ger-formgen --source-root "${PROJECT_SOURCE_DIR}/src"
                --source-root "${ARG_SOURCE_ROOT}" --class ${ARG_CLASS}
                --base "${base}" --form "${form}" --header "${header}" --source "${source}"
        DEPENDS ger-formgen "${base}" "${form}"
        COMMENT "Writing the form class ${ARG_CLASS} from ${form_name}"
        VERBATIM)
    set_source_files_properties("${header}" "${source}" PROPERTIES SKIP_AUTOGEN ON)
    target_sources(${ARG_TARGET} PRIVATE "${header}" "${source}")
    target_include_directories(${ARG_TARGET} PUBLIC "${root}")
    ger_embed_form_data(TARGET ${ARG_TARGET} FILES "${form}")
endfunction()
