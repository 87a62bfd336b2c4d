# Runs one fuzz target for a fixed number of inputs with a fixed seed, starting from its committed
# corpus. What it finds goes to a scratch folder emptied first, so the committed corpus never
# changes and every run starts alike; a crashing input is kept under ARTIFACTS.
file(REMOVE_RECURSE "${SCRATCH}")
file(MAKE_DIRECTORY "${SCRATCH}" "${ARTIFACTS}")
execute_process(
    COMMAND "${FUZZER}" -runs=${RUNS} -seed=1 -artifact_prefix=${ARTIFACTS}/
            "${SCRATCH}" "${CORPUS}"
    RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "${FUZZER} failed (${result}); the input is under ${ARTIFACTS}")
endif()
