# Warnings and sanitizers shared by every target of the tree.
add_compile_options(-Wall -Wextra)
include_directories(${PROJECT_SOURCE_DIR})

if(VELKOR_SANITIZE)
    if(WIN32)
        message(FATAL_ERROR "Sanitizers are available in the native builds only")
    endif()
    list(JOIN VELKOR_SANITIZE "," sanitizers)
    add_compile_options(-fsanitize=${sanitizers} -fno-omit-frame-pointer -fno-sanitize-recover=all)
    add_link_options(-fsanitize=${sanitizers})
endif()

if(WIN32)
    # One self-contained file: the C++ runtime and winpthreads are linked in. ASLR with
    # high-entropy addresses and NX, as an elevated program should have.
    add_link_options(-static
        -Wl,--dynamicbase -Wl,--high-entropy-va -Wl,--nxcompat)
    add_compile_definitions(UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0A00)
endif()
