# cmake -DBUILD=DIR -DPREFIX=DIR -P InstallTree.cmake
# Installs the build into PREFIX, emptied first so that no file of an earlier run can stand
# in for one the install rules lost.
file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD}" --prefix "${PREFIX}"
                RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cmake --install failed (${result}):\n${output}")
endif()
