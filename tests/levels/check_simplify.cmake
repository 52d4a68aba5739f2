# Fails unless scripts/simplify_levels.py, run on a cluttered level, leaves
# exactly the level without its clutter.
execute_process(COMMAND ${PYTHON} ${SCRIPT} ${TOOL} ${CLUTTERED}
                OUTPUT_VARIABLE made ERROR_VARIABLE log RESULT_VARIABLE code)
if(NOT code EQUAL 0)
  message(FATAL_ERROR "simplify_levels.py failed:\n${log}")
endif()
file(READ "${EXPECTED}" expected)
if(NOT made STREQUAL expected)
  message(FATAL_ERROR "simplify_levels.py left:\n${made}\nexpected:\n${expected}\n${log}")
endif()
