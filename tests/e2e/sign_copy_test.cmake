cmake_minimum_required(VERSION 3.25)
# Signs a copy of the program through the build's signing step with a throwaway self-signed
# certificate, and verifies the signature, digest and chain, against that certificate.
# Arguments: -DOPENSSL=<openssl> -DOSSLSIGNCODE=<tool> -DSIGN_SCRIPT=<the build's signing script>
#            -DEXE=<program> -DFOLDER=<where the certificate and the signed copy go>
function(run what)
    execute_process(COMMAND ${ARGN} WORKING_DIRECTORY "${FOLDER}"
        OUTPUT_VARIABLE output ERROR_VARIABLE output RESULT_VARIABLE failed)
    if(failed)
        message(FATAL_ERROR "${what} failed:\n${output}")
    endif()
    set(output "${output}" PARENT_SCOPE)
endfunction()

file(REMOVE_RECURSE "${FOLDER}")
file(MAKE_DIRECTORY "${FOLDER}")
run("making the certificate" ${OPENSSL} req -x509 -newkey rsa:2048 -nodes -days 2
    -subj "/CN=Velkor test signer" -keyout key.pem -out cert.pem)
file(COPY_FILE "${EXE}" "${FOLDER}/VelkorInstaller.exe")
run("signing" ${CMAKE_COMMAND} -DOSSLSIGNCODE=${OSSLSIGNCODE} -DCERT=cert.pem -DKEY=key.pem
    -DEXE=VelkorInstaller.exe -P "${SIGN_SCRIPT}")
run("verifying" ${OSSLSIGNCODE} verify -CAfile cert.pem -in VelkorInstaller.exe)
if(NOT output MATCHES "Subject: /CN=Velkor test signer")
    message(FATAL_ERROR "the signature is not by the test certificate:\n${output}")
endif()
