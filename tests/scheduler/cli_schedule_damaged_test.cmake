# kalvodrin-cli schedule on a copy of a damaged working folder:
#   cmake -DCLI=<kalvodrin-cli> -DSOURCE=<folder> -DWORK=<scratch> -P this
# The run must end with exit 0 or 1 (a refused run), never on a signal, and print no
# sanitizer report.
file(REMOVE_RECURSE ${WORK})
file(COPY ${SOURCE}/ DESTINATION ${WORK})
execute_process(COMMAND ${CLI} schedule --folder ${WORK} RESULT_VARIABLE rc
                OUTPUT_VARIABLE out ERROR_VARIABLE err TIMEOUT 300)
if(NOT rc MATCHES "^[01]$")
  message(FATAL_ERROR "schedule ended with ${rc}\n${out}\n${err}")
endif()
if(err MATCHES "runtime error|Sanitizer")
  message(FATAL_ERROR "sanitizer report:\n${err}")
endif()
file(REMOVE_RECURSE ${WORK})
