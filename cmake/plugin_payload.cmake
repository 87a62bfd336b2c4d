# The plug-in module carried as RCDATA 400: the maker's file, or a reproducible stand-in.
if(VELKOR_PAYLOAD)
    if(NOT EXISTS "${VELKOR_PAYLOAD}")
        message(FATAL_ERROR "VELKOR_PAYLOAD names a file that does not exist: ${VELKOR_PAYLOAD}")
    endif()
    set(VELKOR_PLUGIN_FILE "${VELKOR_PAYLOAD}")
else()
    set(VELKOR_PLUGIN_FILE "${PROJECT_BINARY_DIR}/standin/Velkor.aex")
    add_custom_command(
        OUTPUT "${VELKOR_PLUGIN_FILE}"
        COMMAND perl "${PROJECT_SOURCE_DIR}/tools/make_standin_plugin.pl" "${VELKOR_PLUGIN_FILE}"
        DEPENDS "${PROJECT_SOURCE_DIR}/tools/make_standin_plugin.pl"
        COMMENT "Generating the stand-in plug-in module")
    file(MAKE_DIRECTORY "${PROJECT_BINARY_DIR}/standin")
endif()
add_custom_target(velkor_plugin_file DEPENDS "${VELKOR_PLUGIN_FILE}")

if(WIN32)
    enable_language(RC)
    set(VELKOR_PLUGIN_RC "${PROJECT_BINARY_DIR}/resources/plugin.rc")
    configure_file("${PROJECT_SOURCE_DIR}/installer/resources/plugin.rc.in" "${VELKOR_PLUGIN_RC}" @ONLY)
endif()

# Carries the plug-in as RCDATA 400 in the target's module.
function(velkor_embed_plugin target)
    target_sources(${target} PRIVATE "${VELKOR_PLUGIN_RC}")
    set_source_files_properties("${VELKOR_PLUGIN_RC}" PROPERTIES OBJECT_DEPENDS "${VELKOR_PLUGIN_FILE}")
    add_dependencies(${target} velkor_plugin_file)
endfunction()
