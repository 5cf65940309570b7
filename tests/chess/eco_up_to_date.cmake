# Runs eco_convert and compares its output with the committed data/ECO.TXT.
execute_process(COMMAND ${CONVERT} ${SOURCE} ${OUTPUT} RESULT_VARIABLE converted)
if(NOT converted EQUAL 0)
  message(FATAL_ERROR "eco_convert failed")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${OUTPUT} ${EXPECTED} RESULT_VARIABLE differs)
if(NOT differs EQUAL 0)
  message(FATAL_ERROR "data/ECO.TXT is out of date: run eco_convert tools/eco data/ECO.TXT")
endif()
