# VelkorInstaller.exe as it ships: without debug sections, its symbols in
# VelkorInstaller.exe.debug beside it for crash analysis, and signed when the maker asks.

# Links the program's objects into <folder>/VelkorInstaller.exe and moves its symbols out.
function(velkor_add_shipped_exe target folder)
    add_executable(${target} WIN32)
    target_link_libraries(${target} PRIVATE velkor_installer_main)
    target_link_options(${target} PRIVATE -municode)
    set_target_properties(${target} PROPERTIES OUTPUT_NAME VelkorInstaller
        RUNTIME_OUTPUT_DIRECTORY ${folder} ARCHIVE_OUTPUT_DIRECTORY ${folder})
    # objcopy stamps the time into what it writes unless SOURCE_DATE_EPOCH fixes it.
    set(objcopy ${CMAKE_COMMAND} -E env SOURCE_DATE_EPOCH=0 ${CMAKE_OBJCOPY})
    set(exe $<TARGET_FILE_NAME:${target}>)
    add_custom_command(TARGET ${target} POST_BUILD
        COMMAND ${objcopy} --only-keep-debug ${exe} ${exe}.debug
        COMMAND ${objcopy} --strip-all --add-gnu-debuglink=${exe}.debug ${exe}
        WORKING_DIRECTORY ${folder}
        VERBATIM)
endfunction()
