# Lists every include that runs against the layers and fails when there is one. Each folder may
# include its own files and those of the folders named after it, nothing else:
#   installer/ui -> installer/engine, ui, platform
#   installer/engine -> platform
#   ui/widgets -> ui/core -> ui/render -> ui/theme -> ui/base; every ui layer -> platform
#   platform -> platform
# Run as: cmake -DROOT=<source folder> -P check_layers.cmake
set(layers
    "installer/ui|installer/ui installer/engine ui platform"
    "installer/engine|installer/engine platform"
    "ui/widgets|ui/widgets ui/core ui/render ui/theme ui/base platform"
    "ui/core|ui/core ui/render ui/theme ui/base platform"
    "ui/render|ui/render ui/theme ui/base platform"
    "ui/theme|ui/theme ui/base platform"
    "ui/base|ui/base"
    "platform|platform")

set(wrong "")
foreach(layer IN LISTS layers)
    string(REPLACE "|" ";" layer "${layer}")
    list(GET layer 0 folder)
    list(GET layer 1 allowed)
    string(REPLACE " " ";" allowed "${allowed}")
    file(GLOB_RECURSE sources "${ROOT}/${folder}/*.h" "${ROOT}/${folder}/*.cpp")
    foreach(source IN LISTS sources)
        file(STRINGS "${source}" includes REGEX "^#include \"")
        foreach(line IN LISTS includes)
            string(REGEX REPLACE "^#include \"([^\"]*)\".*" "\\1" included "${line}")
            # Generated headers and the folder's own neighbours are not layered.
            if(NOT included MATCHES "/")
                continue()
            endif()
            set(fits FALSE)
            foreach(prefix IN LISTS allowed)
                if(included MATCHES "^${prefix}/")
                    set(fits TRUE)
                endif()
            endforeach()
            if(NOT fits)
                file(RELATIVE_PATH shown "${ROOT}" "${source}")
                string(APPEND wrong "  ${shown} includes ${included}\n")
            endif()
        endforeach()
    endforeach()
endforeach()

if(wrong)
    message(FATAL_ERROR "Includes against the layers:\n${wrong}")
endif()
