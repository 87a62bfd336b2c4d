# GoogleTest: Debian's build natively, built from its sources for Windows.
if(WIN32)
    set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    add_subdirectory(/usr/src/googletest/googletest "${PROJECT_BINARY_DIR}/googletest" EXCLUDE_FROM_ALL SYSTEM)
else()
    find_package(GTest REQUIRED)
endif()
include(GoogleTest)

# Natively every test case is its own CTest test. Under Wine each process start costs, so a
# Windows test executable is one CTest test that runs all of its cases.
# A test that hangs fails after the timeout instead of stalling the run.
function(velkor_add_gtest target)
    if(WIN32)
        add_test(NAME ${target} COMMAND ${target})
        set_tests_properties(${target} PROPERTIES TIMEOUT 300)
    else()
        gtest_discover_tests(${target} DISCOVERY_TIMEOUT 60 PROPERTIES TIMEOUT 60)
    endif()
endfunction()
