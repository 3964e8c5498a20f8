# kalvodrin-cli substitute --pdf on a scheduled copy of the sample school: the sheet's
# text, read back with pdftotext, holds its Turkish headings and every affected hour
# of the plan (the same plan --json lists).
#   cmake -DCLI=<kalvodrin-cli> -DSAMPLE=<examples/sample-school> -DWORK=<scratch>
#         -DPDFTOTEXT=<pdftotext> -P this

include(${CMAKE_CURRENT_LIST_DIR}/../support/cli_run.cmake)

# Runs the subcommand with ARGS and --json, its answer in `json_out`, then with --pdf
# into WORK/NAME.pdf, whose text pdftotext reads back into `pdf_text`; fails unless the
# text holds each of HEADINGS. WHAT names the printout in the messages.
function(pdf_and_json command name)
  cmake_parse_arguments(PARSE_ARGV 2 arg "" "WHAT" "ARGS;HEADINGS")
  run_cli(0 json ${command} ${arg_ARGS} --json)
  set(json_out "${json}" PARENT_SCOPE)
  run_cli(0 out ${command} ${arg_ARGS} --pdf ${WORK}/${name}.pdf)
  execute_process(COMMAND ${PDFTOTEXT} -layout ${WORK}/${name}.pdf ${WORK}/${name}.txt
                  RESULT_VARIABLE rc)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "pdftotext failed on the ${arg_WHAT}")
  endif()
  file(READ ${WORK}/${name}.txt text)
  foreach(expected IN LISTS arg_HEADINGS)
    string(FIND "${text}" "${expected}" at)
    if(at EQUAL -1)
      message(FATAL_ERROR "the ${arg_WHAT} lacks '${expected}':\n${text}")
    endif()
  endforeach()
  set(pdf_text "${text}" PARENT_SCOPE)
endfunction()

if(NOT PDFTOTEXT)
  message(FATAL_ERROR "pdftotext (poppler-utils) is needed: run scripts/setup-deps")
endif()
file(REMOVE_RECURSE ${WORK})
file(COPY ${SAMPLE}/ DESTINATION ${WORK}/school)
run_cli(0 out schedule --folder ${WORK}/school)

# The date is read from its own line: the title's corner shows the day of printing.
pdf_and_json(substitute sheet WHAT sheet
  ARGS --folder ${WORK}/school --date 2026-12-09 --absent 1 --absent 2 --absent 5:3-5
  HEADINGS "DERS GÖREVLENDİRME ÇİZELGESİ" "Görev Tarihi : 09.12.2026" "ÇARŞAMBA"
           "GELMEYEN ÖĞRETMEN" "GÖREVLİ ÖĞRETMEN" "İMZA")
set(plan "${json_out}")
set(text "${pdf_text}")

# Every row of the plan has a line of its own: its hour, its class and the start of its
# lesson's name on one line.
string(JSON rows LENGTH "${plan}" rows)
if(rows LESS 5)
  message(FATAL_ERROR "the plan has only ${rows} rows; the test means little")
endif()
string(REPLACE "\n" ";" lines "${text}")
math(EXPR last "${rows} - 1")
foreach(i RANGE ${last})
  string(JSON hour GET "${plan}" rows ${i} hour)
  string(JSON class GET "${plan}" rows ${i} className)
  string(JSON lesson GET "${plan}" rows ${i} lessonName)
  string(SUBSTRING "${lesson}" 0 10 lesson)
  set(found FALSE)
  foreach(line IN LISTS lines)
    if(line MATCHES "^ *${hour} " AND line MATCHES "${class}")
      string(FIND "${line}" "${lesson}" at)
      if(NOT at EQUAL -1)
        set(found TRUE)
      endif()
    endif()
  endforeach()
  if(NOT found)
    message(FATAL_ERROR "hour ${hour} of ${class} (${lesson}) is not on the sheet:\n${text}")
  endif()
endforeach()
message(STATUS "the sheet shows all ${rows} affected hours")

# The teachers free at hour 3 of the next day, printed in the same layout: the heading,
# the date and hour, and every teacher --json lists, in its order.
pdf_and_json(free free WHAT "free-teacher list"
  ARGS --folder ${WORK}/school --date 2026-12-10 --hour 3
  HEADINGS "BOŞ ÖĞRETMENLER" "Boş olanlar : 10.12.2026" "PERŞEMBE" "3. saat" "ÖĞRETMENİN ADI"
           "AÇIKLAMA")
set(listed "${json_out}")
set(text "${pdf_text}")
string(JSON count LENGTH "${listed}" free)
if(count LESS 3)
  message(FATAL_ERROR "only ${count} teachers are free; the test means little")
endif()
math(EXPR last "${count} - 1")
set(previous -1)
foreach(i RANGE ${last})
  string(JSON name GET "${listed}" free ${i} name)
  math(EXPR rank "${i} + 1")
  string(REGEX MATCH "\n *${rank} +${name}" line "${text}")
  if(NOT line)
    message(FATAL_ERROR "${rank}. ${name} is not on the list:\n${text}")
  endif()
  string(FIND "${text}" "${line}" at)
  if(at LESS previous)
    message(FATAL_ERROR "${name} stands out of order on the list:\n${text}")
  endif()
  set(previous ${at})
endforeach()
message(STATUS "the free-teacher list shows all ${count} teachers in order")
