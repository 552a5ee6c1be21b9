# Each header of a library compiles on its own: one generated translation unit per header,
# holding only `#include "<the header>"`, compiled with the library's usage requirements.
#
#   ger_check_headers(ger_platform_forms)   # target ger_platform_forms_headers
#
# A header that leans on what its includer happened to include before it fails the build here.
# Only headers under src/ are checked (the generated ones are compiled by their library).
function(ger_check_headers target)
    get_target_property(sources ${target} SOURCES)
    get_target_property(source_dir ${target} SOURCE_DIR)
    set(units "")
    foreach(source IN LISTS sources)
        if(NOT source MATCHES "\\.h$")
            continue()
        endif()
        get_filename_component(path "${source}" ABSOLUTE BASE_DIR "${source_dir}")
        file(RELATIVE_PATH header "${PROJECT_SOURCE_DIR}/src" "${path}")
        if(header MATCHES "^\\.\\./")
            continue()
        endif()
        set(unit "${CMAKE_BINARY_DIR}/header_check/${header}.cpp")
        file(CONFIGURE OUTPUT "${unit}" CONTENT "#include \"${header}\"\n" @ONLY)
        list(APPEND units "${unit}")
    endforeach()
    if(NOT units)
        return()
    endif()
    add_library(${target}_headers OBJECT ${units})
    set_target_properties(${target}_headers PROPERTIES AUTOMOC OFF AUTORCC OFF AUTOUIC OFF)
    target_link_libraries(${target}_headers PRIVATE ${target})
endfunction()
