# Run as a script: converts the help sources to the help file's code page in WORK_DIR, compiles them
# with chmcmd and copies the result to OUTPUT. Any warning of the compiler (a missing file, a broken
# link, a duplicate anchor) fails the build, so a broken page is never shipped.
#
# PROJECT names the .hhp among the sources; CODE_PAGE and CHARSET are the code page for iconv and
# the charset the pages then declare.
foreach(_var ICONV CHMCMD WORK_DIR OUTPUT SOURCES PROJECT CODE_PAGE CHARSET)
  if(NOT DEFINED ${_var})
    message(FATAL_ERROR "CompileHelp.cmake needs -D${_var}=...")
  endif()
endforeach()

# A fresh directory, so that a page removed from the sources does not linger in the help file.
file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR})

foreach(_source IN LISTS SOURCES)
  get_filename_component(_name ${_source} NAME)
  file(READ ${_source} _text)
  string(REPLACE "charset=\"utf-8\"" "charset=\"${CHARSET}\"" _text "${_text}")
  file(WRITE ${WORK_DIR}/${_name}.utf8 "${_text}")
  execute_process(
    COMMAND ${ICONV} -f UTF-8 -t ${CODE_PAGE} -o ${WORK_DIR}/${_name} ${WORK_DIR}/${_name}.utf8
    RESULT_VARIABLE _result
    ERROR_VARIABLE _error)
  if(NOT _result EQUAL 0)
    message(FATAL_ERROR "${_name} cannot be written in code page ${CODE_PAGE}: ${_error}")
  endif()
  file(REMOVE ${WORK_DIR}/${_name}.utf8)
endforeach()

get_filename_component(_compiled ${PROJECT} NAME_WE)
execute_process(
  COMMAND ${CHMCMD} ${PROJECT}
  WORKING_DIRECTORY ${WORK_DIR}
  RESULT_VARIABLE _result
  OUTPUT_VARIABLE _output
  ERROR_VARIABLE _output)
if(NOT _result EQUAL 0 OR _output MATCHES "(Error|Warning|error|warning)" OR NOT EXISTS ${WORK_DIR}/${_compiled}.chm)
  message(FATAL_ERROR "chmcmd failed:\n${_output}")
endif()

get_filename_component(_output_dir ${OUTPUT} DIRECTORY)
file(MAKE_DIRECTORY ${_output_dir})
file(COPY_FILE ${WORK_DIR}/${_compiled}.chm ${OUTPUT})
