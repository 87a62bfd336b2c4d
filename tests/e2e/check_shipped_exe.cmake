cmake_minimum_required(VERSION 3.25)
# Fails unless two links of VelkorInstaller.exe are byte-identical, carry no debug sections but
# a link to their symbol file, and name none of the folders they were built in.
# Arguments: -DOBJDUMP=<objdump> -DEXE=<program> -DTWIN=<the same program built elsewhere>
#            -DFOLDERS=<build folders, ;-separated>
file(SHA256 "${EXE}" exe_hash)
file(SHA256 "${TWIN}" twin_hash)
if(NOT exe_hash STREQUAL twin_hash)
    message(FATAL_ERROR "${EXE} and ${TWIN} differ (cmp -l shows where)")
endif()

execute_process(COMMAND ${OBJDUMP} -h "${EXE}" OUTPUT_VARIABLE sections RESULT_VARIABLE failed)
if(failed)
    message(FATAL_ERROR "cannot read the sections of ${EXE}")
endif()
string(REGEX MATCHALL "\\.debug_[a-z_]+" debug_sections "${sections}")
if(debug_sections)
    message(FATAL_ERROR "${EXE} carries debug sections: ${debug_sections}")
endif()
if(NOT sections MATCHES "\\.gnu_debuglink")
    message(FATAL_ERROR "${EXE} does not name its symbol file")
endif()

foreach(folder IN LISTS FOLDERS)
    string(REGEX REPLACE "([][+.*?()^$|\\])" "\\\\\\1" pattern "${folder}")
    file(STRINGS "${EXE}" named REGEX "${pattern}")
    if(named)
        list(GET named 0 first)
        message(FATAL_ERROR "${EXE} names its build folder ${folder}: ${first}")
    endif()
endforeach()
