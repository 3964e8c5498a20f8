# kalvodrin-cli schedule and report on two copies of the sample school:
#   cmake -DCLI=<kalvodrin-cli> -DSAMPLE=<examples/sample-school> -DWORK=<scratch> -P this
# Both runs must succeed with the program's closing notice and write the same
# timetable files; the report must total the notice's hours; check must find nothing;
# an unknown teacher must fail with exit code 1 and write nothing.

include(${CMAKE_CURRENT_LIST_DIR}/../support/cli_run.cmake)

file(REMOVE_RECURSE ${WORK})
foreach(copy a b)
  file(COPY ${SAMPLE}/ DESTINATION ${WORK}/${copy})
endforeach()

run_cli(1 out schedule --folder ${WORK}/a --teacher 254)
foreach(file DUDIZIRZ.LOF DUDIZIRX.LOF DUDIZIRY.LOF)
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${SAMPLE}/${file}
                  ${WORK}/a/${file} RESULT_VARIABLE differs)
  if(differs)
    message(FATAL_ERROR "a refused run changed ${file}")
  endif()
endforeach()

foreach(copy a b)
  run_cli(0 notice_${copy} schedule --folder ${WORK}/${copy})
endforeach()
if(NOT notice_a MATCHES "^(Tebrikler dersleri yerleştirdiniz\\.|Yerleşmeyen ([0-9]+) öğretmen saati kaldı\\.)\n$")
  message(FATAL_ERROR "unexpected closing line: ${notice_a}")
endif()
set(unplaced 0)
if(CMAKE_MATCH_2)
  set(unplaced ${CMAKE_MATCH_2})
endif()
if(NOT notice_a STREQUAL notice_b)
  message(FATAL_ERROR "two runs ended differently: ${notice_a} / ${notice_b}")
endif()
foreach(file DUDIZIRZ.LOF DUDIZIRX.LOF DUDIZIRY.LOF)
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${WORK}/a/${file}
                  ${WORK}/b/${file} RESULT_VARIABLE differs)
  if(differs)
    message(FATAL_ERROR "two runs of the same folder wrote different ${file}")
  endif()
endforeach()

run_cli(0 json report --folder ${WORK}/a --json)
if(NOT json MATCHES "\"total\": ${unplaced}\n")
  message(FATAL_ERROR "report total does not match ${unplaced} unplaced hours:\n${json}")
endif()
run_cli(0 table report --folder ${WORK}/a)
if(NOT table MATCHES "^ADI SOYADI +SINIFI +DERSİN ADI +KALAN\n" OR
   NOT table MATCHES "TOPLAM = ${unplaced} sınıf ders saati\n$")
  message(FATAL_ERROR "unexpected report table:\n${table}")
endif()
run_cli(0 checked check --folder ${WORK}/a)
file(REMOVE_RECURSE ${WORK})
