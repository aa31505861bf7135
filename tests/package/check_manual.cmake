# The manual page renders without a groff warning and names every message the
# program can write.
# Usage: cmake -DGROFF=groff -DPAGE=aliasconv.1 -DSOURCE_DIR=... -P check_manual.cmake
if(NOT GROFF)
  message("groff not found: the manual page is not checked")
  return()
endif()

execute_process(
  COMMAND ${GROFF} -ww -man -Tutf8 -z ${PAGE}
  RESULT_VARIABLE result
  ERROR_VARIABLE warnings)
if(NOT result EQUAL 0 OR NOT warnings STREQUAL "")
  message(FATAL_ERROR "groff -ww on ${PAGE}: status ${result}\n${warnings}")
endif()

execute_process(
  COMMAND ${GROFF} -man -Tascii -P-cbou ${PAGE}
  OUTPUT_VARIABLE page)
string(REGEX REPLACE "[ \n]+" " " page "${page}")

# The messages are the literal texts of ReportError and of the usage's fputs
# calls; each piece between "%s" and escapes must stand in the page.
file(GLOB_RECURSE sources ${SOURCE_DIR}/src/*.cc)
set(pieces "")
foreach(source ${sources})
  file(STRINGS ${source} calls REGEX "(ReportError|fputs)\\(\"")
  foreach(call ${calls})
    string(REGEX MATCH "(ReportError|fputs)\\(\"([^\"]*)\"" literal "${call}")
    string(REGEX REPLACE "%s|\\\\[an]" ";" literalPieces "${CMAKE_MATCH_2}")
    list(APPEND pieces ${literalPieces})
  endforeach()
endforeach()
list(TRANSFORM pieces STRIP)
list(REMOVE_ITEM pieces "")
list(REMOVE_DUPLICATES pieces)
if(NOT pieces)
  message(FATAL_ERROR "no message found in ${SOURCE_DIR}/src")
endif()
foreach(piece ${pieces})
  string(FIND "${page}" "${piece}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "the manual page does not mention the message text \"${piece}\"")
  endif()
endforeach()
