# Fails when docs/LEVELS.md is not what `trelux-tool table` makes of the sets
# now (the tool also replays every stored solution to a win first).
execute_process(COMMAND ${TOOL} table ${SETS} OUTPUT_VARIABLE made ERROR_VARIABLE problem RESULT_VARIABLE code)
if(NOT code EQUAL 0)
  message(FATAL_ERROR "trelux-tool table failed: ${problem}")
endif()
file(READ "${TABLE}" stored)
if(NOT made STREQUAL stored)
  message(FATAL_ERROR "${TABLE} is stale; make it again with:\n  trelux-tool table levels/<set>.txt ... > docs/LEVELS.md\n(the sets in the order of levels/CMakeLists.txt)")
endif()
