# Authenticode signing of VelkorInstaller.exe, when the maker names a certificate and its key.
set(VELKOR_SIGN_CERT "" CACHE FILEPATH "Certificate to sign VelkorInstaller.exe with")
set(VELKOR_SIGN_KEY "" CACHE FILEPATH "Private key of VELKOR_SIGN_CERT")
set(VELKOR_SIGN_TIMESTAMP_URL "" CACHE STRING "Timestamp server for the signature (optional)")

if(VELKOR_SIGN_CERT OR VELKOR_SIGN_KEY)
    if(NOT VELKOR_SIGN_CERT OR NOT VELKOR_SIGN_KEY)
        message(FATAL_ERROR "Signing needs both VELKOR_SIGN_CERT and VELKOR_SIGN_KEY")
    endif()
    foreach(option VELKOR_SIGN_CERT VELKOR_SIGN_KEY)
        if(NOT EXISTS "${${option}}")
            message(FATAL_ERROR "${option} names a file that does not exist: ${${option}}")
        endif()
    endforeach()
    find_program(VELKOR_OSSLSIGNCODE osslsigncode REQUIRED)
endif()

# Signs the target's program after it is linked and stripped; nothing without a certificate.
function(velkor_sign_exe target)
    if(NOT VELKOR_SIGN_CERT)
        return()
    endif()
    add_custom_command(TARGET ${target} POST_BUILD
        COMMAND ${CMAKE_COMMAND} -DOSSLSIGNCODE=${VELKOR_OSSLSIGNCODE} -DCERT=${VELKOR_SIGN_CERT}
                -DKEY=${VELKOR_SIGN_KEY} -DTIMESTAMP_URL=${VELKOR_SIGN_TIMESTAMP_URL}
                -DEXE=$<TARGET_FILE:${target}> -P ${PROJECT_SOURCE_DIR}/cmake/sign_exe.cmake
        VERBATIM)
endfunction()
