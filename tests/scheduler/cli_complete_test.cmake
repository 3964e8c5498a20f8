# kalvodrin-cli complete and schedule --complete on copies of the bundled sample school:
#   cmake -DCLI=<kalvodrin-cli> -DSAMPLE=<examples/sample-school> -DWORK=<scratch> -P this
# The same seed on two copies must write byte-identical timetables and the same record
# of the seed; the report must name the seed and the hours; check must find nothing;
# a bad time limit is a usage error that writes nothing.

include(${CMAKE_CURRENT_LIST_DIR}/../support/cli_run.cmake)

set(files DUDIZIRZ.LOF DUDIZIRX.LOF DUDIZIRY.LOF TAMAMLAMA.TXT)
file(REMOVE_RECURSE ${WORK})
foreach(copy a b c)
  file(COPY ${SAMPLE}/ DESTINATION ${WORK}/${copy})
endforeach()

run_cli(2 out complete --folder ${WORK}/a --time-limit -1)
if(EXISTS ${WORK}/a/TAMAMLAMA.TXT)
  message(FATAL_ERROR "a refused completion wrote its record")
endif()

foreach(copy a b)
  run_cli(0 out_${copy} complete --folder ${WORK}/${copy} --seed 77)
endforeach()
if(NOT out_a MATCHES "Tohum: 77\n" OR NOT out_a MATCHES "Yerleşen ders saati: 0/([0-9]+) -> ([0-9]+)/")
  message(FATAL_ERROR "unexpected report:\n${out_a}")
endif()
foreach(file ${files})
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${WORK}/a/${file}
                  ${WORK}/b/${file} RESULT_VARIABLE differs)
  if(differs)
    message(FATAL_ERROR "the same seed wrote different ${file}")
  endif()
endforeach()
file(READ ${WORK}/a/TAMAMLAMA.TXT record)
if(NOT record MATCHES "^Tohum: 77\n")
  message(FATAL_ERROR "the record does not keep the seed:\n${record}")
endif()
run_cli(0 checked check --folder ${WORK}/a)

run_cli(0 out_c schedule --complete --folder ${WORK}/c --seed 5 --time-limit 20)
if(NOT out_c MATCHES "Tohum: 5\n" OR NOT out_c MATCHES "Taşınan ders saati: [0-9]+\n")
  message(FATAL_ERROR "unexpected report after the run:\n${out_c}")
endif()
run_cli(0 checked_c check --folder ${WORK}/c)
file(REMOVE_RECURSE ${WORK})
