# cmake -DLUPDATE=<lupdate> -DLRELEASE=<lrelease> -DTS=<file.ts> -DWORK=<dir>
#       -DSOURCE_DIR=<dir> -DLUPDATE_ARGS=<args;...> -P CheckTranslation.cmake
#
# Fails when a text of the code has no finished English: a copy of the .ts is
# brought up to date with the code, where a text missing from the .ts comes in
# unfinished, and then compiled with the check of Lrelease.cmake.
file(MAKE_DIRECTORY ${WORK})
get_filename_component(name ${TS} NAME)
file(COPY_FILE ${TS} ${WORK}/${name})
execute_process(COMMAND ${LUPDATE} ${LUPDATE_ARGS} -ts ${WORK}/${name}
  WORKING_DIRECTORY ${SOURCE_DIR}
  OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "lupdate failed:\n${out}${err}")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -DLRELEASE=${LRELEASE} -DTS=${WORK}/${name}
                        -DQM=${WORK}/check.qm -P ${CMAKE_CURRENT_LIST_DIR}/Lrelease.cmake
  OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "Texts of the code without a finished English translation "
                      "(run the target update_translations and translate them):\n${out}${err}")
endif()
