# Runs the bank tool on a faulty text: it must fail, print the expected
# "file:line: reason" and write no bank.
file(REMOVE_RECURSE ${OUT})
file(MAKE_DIRECTORY ${OUT})
execute_process(COMMAND ${TOOL} ${TEXT} ${MEMORIES} ${OUT}/static.pbk ${OUT}/default.pbk
  RESULT_VARIABLE rc ERROR_VARIABLE err OUTPUT_VARIABLE out)
if(rc EQUAL 0)
  message(FATAL_ERROR "the tool accepted a faulty text")
endif()
string(FIND "${err}" "${EXPECT}" at)
if(at EQUAL -1)
  message(FATAL_ERROR "expected '${EXPECT}' in: ${err}")
endif()
if(EXISTS ${OUT}/static.pbk OR EXISTS ${OUT}/default.pbk)
  message(FATAL_ERROR "a bank was written from a faulty text")
endif()
