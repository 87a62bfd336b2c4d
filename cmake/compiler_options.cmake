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

# Coverage feedback for libFuzzer in every library; only the fuzz targets link its main.
if(VELKOR_FUZZ)
    add_compile_options(-fsanitize=fuzzer-no-link)
endif()

if(WIN32)
    # One self-contained file: the C++ runtime and winpthreads are linked in. ASLR with
    # high-entropy addresses and NX, as an elevated program should have.
    add_link_options(-static
        -Wl,--dynamicbase -Wl,--high-entropy-va -Wl,--nxcompat)
    # The same sources give the same bytes in any folder: no link time, no build paths, no
    # compiler banner. A build id lets a crash report find its symbols.
    add_compile_options(-ffile-prefix-map=${PROJECT_SOURCE_DIR}=.
        -ffile-prefix-map=${PROJECT_BINARY_DIR}=build -fno-ident)
    add_link_options(-Wl,--no-insert-timestamp -Wl,--build-id)
    # Functions and data nobody calls are left out of the image.
    add_compile_options(-ffunction-sections -fdata-sections)
    add_link_options(-Wl,--gc-sections)
    add_compile_definitions(UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0A00)
endif()
