# kalvodrin-cli as the command-line test scripts run it (cmake -P, with -DCLI): fails the
# script unless the exit code is `expected_rc`, with what the program printed; what it
# printed on stdout goes to `out_var`.
function(run_cli expected_rc out_var)
  execute_process(COMMAND ${CLI} ${ARGN} RESULT_VARIABLE rc OUTPUT_VARIABLE out
                  ERROR_VARIABLE err)
  if(NOT rc EQUAL expected_rc)
    message(FATAL_ERROR "kalvodrin-cli ${ARGN}: exit ${rc}, wanted ${expected_rc}\n${out}\n${err}")
  endif()
  set(${out_var} "${out}" PARENT_SCOPE)
endfunction()
