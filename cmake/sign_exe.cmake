cmake_minimum_required(VERSION 3.25)
# Signs a program in place with Authenticode (SHA-256), time-stamped when a URL is given.
# Arguments: -DOSSLSIGNCODE=<tool> -DCERT=<certificate> -DKEY=<private key> -DEXE=<program>
#            [-DTIMESTAMP_URL=<url>]
set(timestamp "")
if(TIMESTAMP_URL)
    set(timestamp -t ${TIMESTAMP_URL})
endif()
file(REMOVE "${EXE}.signed")
execute_process(
    COMMAND ${OSSLSIGNCODE} sign -certs ${CERT} -key ${KEY} -h sha256 ${timestamp}
            -in ${EXE} -out ${EXE}.signed
    RESULT_VARIABLE failed)
if(failed)
    # No unsigned program is left where the signed one is expected; the next build links again.
    file(REMOVE "${EXE}" "${EXE}.signed")
    message(FATAL_ERROR "osslsigncode could not sign ${EXE}")
endif()
# osslsigncode writes a plain file; the program stays executable.
file(CHMOD "${EXE}.signed" FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ
     GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
file(RENAME "${EXE}.signed" "${EXE}")
