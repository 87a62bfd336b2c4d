# Embeds files as byte arrays: velkor_embed_pictures(<target> <header> <namespace> <file>...)
# generates <header>.h/.cpp in the current build folder, one embedded_picture per file in the
# namespace, named after the file without its extension. Each call names its own header and
# namespace, so the toolkit's pictures and the installer's files live side by side.
function(velkor_embed_pictures target header_name namespace)
    set(header "${CMAKE_CURRENT_BINARY_DIR}/${header_name}.h")
    set(source "${CMAKE_CURRENT_BINARY_DIR}/${header_name}.cpp")
    set(declarations "")
    set(definitions "")
    foreach(file IN LISTS ARGN)
        get_filename_component(name "${file}" NAME_WE)
        file(READ "${file}" hex HEX)
        string(LENGTH "${hex}" hex_length)
        math(EXPR byte_count "${hex_length} / 2")
        string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
        string(APPEND declarations "extern const embedded_picture ${name};\n")
        string(APPEND definitions
            "namespace { const uint8_t ${name}_bytes[] = {${bytes}}; }\n"
            "const embedded_picture ${name}{${name}_bytes, ${byte_count}};\n")
        set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS "${file}")
    endforeach()
    file(CONFIGURE OUTPUT "${header}" CONTENT
"// Generated from the embedded files; do not edit.
#pragma once
#include <cstdint>
namespace ${namespace} {
struct embedded_picture {
    const uint8_t* data;
    uint64_t size;
};
${declarations}}
")
    file(CONFIGURE OUTPUT "${source}" CONTENT
"// Generated from the embedded files; do not edit.
#include \"${header_name}.h\"
namespace ${namespace} {
${definitions}}
")
    target_sources(${target} PRIVATE "${source}")
    target_include_directories(${target} PRIVATE "${CMAKE_CURRENT_BINARY_DIR}")
endfunction()
