# kalvodrin-cli print on a scheduled copy of the sample school: every printout is
# written as a PDF, renders, and its text holds the school's name (the document
# title) and names with their Turkish letters.
#   cmake -DCLI=<kalvodrin-cli> -DSAMPLE=<examples/sample-school> -DWORK=<scratch>
#         -DPDFTOPPM=<pdftoppm> -DPDFTOTEXT=<pdftotext> -P this

include(${CMAKE_CURRENT_LIST_DIR}/../support/cli_run.cmake)

if(NOT PDFTOPPM OR NOT PDFTOTEXT)
  message(FATAL_ERROR "pdftoppm and pdftotext (poppler-utils) are needed: run scripts/setup-deps")
endif()

file(REMOVE_RECURSE ${WORK})
file(COPY ${SAMPLE}/ DESTINATION ${WORK}/school)
run_cli(0 out schedule --folder ${WORK}/school)

# Each printout with texts its pages must hold.
set(expect_teacher "GÜLAY ŞEN" "PZT." "Aslını Teslim Aldım.")
set(expect_class "ÇAĞDAŞ TÜRK VE DÜNYA TARİHİ" "TOPLAM DERS SAYISI")
set(expect_room "FİZİK LAB." "BİYOLOJİ LAB" "ÖĞRETMENİN ADI")
set(expect_sheet-teachers "GÜLAY ŞEN" "ÇARŞAMBA" "PERŞEMBE")
set(expect_sheet-classes "HAFTALIK SINIF DERS PROGRAM ÇİZELGESİ" "PAZARTESİ")
set(expect_sheet-rooms "MÜZİK SINIFI" "SPOR SALONU")
set(expect_teacher-list "İBRAHİM SEVİM" "ÖĞRETMEN LİSTESİ")
set(expect_duty-chart "BİRİNCİ KAT" "İKİNCİ KAT" "NÖBET YERLERİ")

foreach(what teacher class room sheet-teachers sheet-classes sheet-rooms teacher-list
        duty-chart)
  set(pdf ${WORK}/${what}.pdf)
  if(what MATCHES "^(teacher|class|room)$")
    run_cli(0 out print --folder ${WORK}/school --what ${what} --all --pdf ${pdf})
  else()
    run_cli(0 out print --folder ${WORK}/school --what ${what} --pdf ${pdf})
  endif()
  execute_process(COMMAND ${PDFTOPPM} -r 20 -f 1 -l 1 -png ${pdf} ${WORK}/${what}
                  RESULT_VARIABLE rc ERROR_VARIABLE err)
  file(GLOB pngs ${WORK}/${what}-*.png)
  if(NOT rc EQUAL 0 OR NOT pngs)
    message(FATAL_ERROR "${what}.pdf does not render: ${err}")
  endif()
  execute_process(COMMAND ${PDFTOTEXT} -htmlmeta ${pdf} - OUTPUT_VARIABLE text
                  RESULT_VARIABLE rc)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "no text in ${what}.pdf")
  endif()
  foreach(wanted "<title>CUMHURİYET ANADOLU LİSESİ - " ${expect_${what}})
    string(FIND "${text}" "${wanted}" at)
    if(at EQUAL -1)
      message(FATAL_ERROR "${what}.pdf lacks \"${wanted}\"")
    endif()
  endforeach()
endforeach()

# One teacher alone is a shorter document than all of them.
run_cli(0 out print --folder ${WORK}/school --what teacher --id 1 --pdf ${WORK}/one.pdf)
file(SIZE ${WORK}/one.pdf one_size)
file(SIZE ${WORK}/teacher.pdf all_size)
if(NOT one_size LESS all_size)
  message(FATAL_ERROR "one teacher's timetable is not shorter than all of them")
endif()

# Usage errors and unknown entities write nothing.
run_cli(2 out print --folder ${WORK}/school --what teacher --pdf ${WORK}/none.pdf)
run_cli(1 out print --folder ${WORK}/school --what class --id 254 --pdf ${WORK}/none.pdf)
run_cli(1 out print --folder ${WORK}/school --what poster --pdf ${WORK}/none.pdf)
run_cli(1 out print --folder ${WORK}/school --what duty-chart --pdf ${WORK}/no/such/dir.pdf)
if(EXISTS ${WORK}/none.pdf OR EXISTS ${WORK}/no)
  message(FATAL_ERROR "a refused print wrote a file")
endif()
file(REMOVE_RECURSE ${WORK})
