# kalvodrin-cli export on a scheduled copy of the sample school: each format writes
# its files; a bad date or format is a usage error that writes nothing.
#   cmake -DCLI=<kalvodrin-cli> -DSAMPLE=<examples/sample-school> -DWORK=<scratch> -P this

include(${CMAKE_CURRENT_LIST_DIR}/../support/cli_run.cmake)

file(REMOVE_RECURSE ${WORK})
file(COPY ${SAMPLE}/ DESTINATION ${WORK}/school)
run_cli(0 out schedule --folder ${WORK}/school)
run_cli(0 out export --folder ${WORK}/school --format html --out ${WORK}/html)
run_cli(0 out export --folder ${WORK}/school --format csv --out ${WORK}/csv)
run_cli(0 out export --folder ${WORK}/school --format ics --out ${WORK}/ics --start-date 2026-09-07)
foreach(file html/index.html html/ogretmen-001.html html/sinif-001.html html/derslik-001.html
        csv/ders-programi.csv ics/ogretmen-001.ics ics/sinif-001.ics)
  if(NOT EXISTS ${WORK}/${file})
    message(FATAL_ERROR "export did not write ${file}")
  endif()
endforeach()
file(READ ${WORK}/html/index.html index)
string(FIND "${index}" "CUMHURİYET ANADOLU LİSESİ" at)
if(at EQUAL -1)
  message(FATAL_ERROR "index.html lacks the school's name")
endif()

run_cli(2 out export --folder ${WORK}/school --format ics --out ${WORK}/bad --start-date 2026-02-30)
run_cli(2 out export --folder ${WORK}/school --format pdf --out ${WORK}/bad)
if(EXISTS ${WORK}/bad)
  message(FATAL_ERROR "a refused export wrote files")
endif()
file(REMOVE_RECURSE ${WORK})
