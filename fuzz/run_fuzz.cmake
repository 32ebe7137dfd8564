# Runs a fuzz program a fixed number of times from a fresh work directory, so every run of the
# test does the same amount of work. -D FUZZER, WORK, CORPUS, RUNS, MAX_LEN, ARTIFACTS.
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
execute_process(
  COMMAND ${FUZZER} -runs=${RUNS} -seed=1 -max_len=${MAX_LEN} -artifact_prefix=${ARTIFACTS}/ ${WORK} ${CORPUS}
  RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "${FUZZER} failed (${result}); see the crash input in ${ARTIFACTS}")
endif()
