# cmake -DPROGRAM=FILE "-DARGS=a;b" -DEXPECTED=REGEX -DWORK=DIR -P RunInstalled.cmake
# Runs PROGRAM in the empty folder WORK; it must exit with 0 and print a line matching EXPECTED.
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")
execute_process(COMMAND "${PROGRAM}" ${ARGS} WORKING_DIRECTORY "${WORK}"
                RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE errors)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "${PROGRAM} ${ARGS} exited with ${result}:\n${output}${errors}")
endif()
string(REPLACE "\n" ";" lines "${output}")
foreach(line IN LISTS lines)
  if(line MATCHES "${EXPECTED}")
    return()
  endif()
endforeach()
message(FATAL_ERROR "${PROGRAM} ${ARGS} printed no line matching \"${EXPECTED}\":\n${output}${errors}")
