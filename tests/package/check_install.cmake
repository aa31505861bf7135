# Installs the build with DESTDIR as a package build does and checks the file
# list against EXPECTED, then that the installed program and page work.
# Usage: cmake -DBUILD_DIR=... -DDESTDIR=... -DEXPECTED=... -DSOURCE_DIR=... -P check_install.cmake
file(REMOVE_RECURSE ${DESTDIR})
execute_process(
  COMMAND ${CMAKE_COMMAND} -E env DESTDIR=${DESTDIR}
          ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix /usr
  RESULT_VARIABLE result
  OUTPUT_QUIET)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${result}")
endif()

file(GLOB_RECURSE installed RELATIVE ${DESTDIR} LIST_DIRECTORIES false ${DESTDIR}/*)
list(SORT installed)
file(STRINGS ${EXPECTED} expected)
list(SORT expected)
if(NOT installed STREQUAL expected)
  string(REPLACE ";" "\n  " installed "${installed}")
  string(REPLACE ";" "\n  " expected "${expected}")
  message(FATAL_ERROR "installed files:\n  ${installed}\nexpected:\n  ${expected}")
endif()

foreach(pair "share/man/man1/aliasconv.1=docs/aliasconv.1"
             "share/doc/aliasconv/examples/aliases.old=examples/aliases.old"
             "share/doc/aliasconv/format.md=docs/format.md")
  string(REPLACE "=" ";" pair ${pair})
  list(GET pair 0 installedFile)
  list(GET pair 1 sourceFile)
  execute_process(
    COMMAND ${CMAKE_COMMAND} -E compare_files ${DESTDIR}/usr/${installedFile} ${SOURCE_DIR}/${sourceFile}
    RESULT_VARIABLE differ)
  if(differ)
    message(FATAL_ERROR "${installedFile} is not ${sourceFile}")
  endif()
endforeach()

# Wrong usage is the one run that needs no files: status 1 and the usage text.
execute_process(
  COMMAND ${DESTDIR}/usr/bin/aliasconv
  RESULT_VARIABLE status
  ERROR_VARIABLE usage)
if(NOT status EQUAL 1 OR NOT usage MATCHES "usage: .*aliasconv old_alias_file new_alias_file")
  message(FATAL_ERROR "the installed program did not run: status ${status}, ${usage}")
endif()
