# Renders the manual page as plain text with CR LF line ends, for Windows.
# Usage: cmake -DGROFF=groff -DPAGE=aliasconv.1 -DTEXT=aliasconv.txt -P render_manual.cmake
execute_process(
  COMMAND ${GROFF} -man -Tascii -P-cbou ${PAGE}
  OUTPUT_VARIABLE text
  ERROR_VARIABLE errors
  RESULT_VARIABLE result)
if(NOT result EQUAL 0 OR NOT errors STREQUAL "")
  message(FATAL_ERROR "groff failed on ${PAGE}: ${errors}")
endif()
string(REPLACE "\n" "\r\n" text "${text}")
file(WRITE ${TEXT} "${text}")
