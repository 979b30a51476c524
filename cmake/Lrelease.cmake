# cmake -DLRELEASE=<lrelease> -DTS=<file.ts> -DQM=<file.qm> -P Lrelease.cmake
#
# Compiles a translation and fails on any text that is not finished, which
# lrelease itself would leave out and so show in Japanese in the English game.
execute_process(COMMAND ${LRELEASE} ${TS} -qm ${QM}
  OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "lrelease failed on ${TS}:\n${out}${err}")
endif()
string(REGEX MATCH "\\(([0-9]+) finished and ([0-9]+) unfinished\\)" counts "${out}")
if(NOT counts)
  message(FATAL_ERROR "lrelease said nothing about ${TS}:\n${out}${err}")
endif()
if(NOT CMAKE_MATCH_2 EQUAL 0 OR out MATCHES "untranslated")
  file(REMOVE ${QM})
  message(FATAL_ERROR "${TS} has texts without a finished translation:\n${out}${err}")
endif()
