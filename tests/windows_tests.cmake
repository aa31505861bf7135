# The tests of the Windows build, run under Wine in a prefix of their own.
# Each test program is one CTest entry: every start of Wine costs time.
if(NOT ALIASCONV_WINE)
  message(FATAL_ERROR "ALIASCONV_WINE must name the Wine launcher (see cmake/mingw-w64-x86_64.cmake)")
endif()
get_filename_component(wine_dir ${ALIASCONV_WINE} DIRECTORY)
set(wine_environment
  WINEPREFIX=${CMAKE_CURRENT_BINARY_DIR}/wine-prefix
  WINEDEBUG=-all)

# The first start creates the prefix and takes several seconds; do it once,
# and keep the server up between tests (it ends 5 s after the last test).
# Wine's own processes outlive a test: they must not hold its output open.
add_test(NAME wine_prefix COMMAND sh -c
  "exec </dev/null >/dev/null 2>&1; mkdir -p \"$WINEPREFIX\" && \"$0\" --wait && \"$0\" --persistent=5 && \"$1\" wineboot --init"
  ${wine_dir}/wineserver ${ALIASCONV_WINE})
add_test(NAME wine_stop COMMAND ${wine_dir}/wineserver --wait)
set_tests_properties(wine_prefix PROPERTIES FIXTURES_SETUP wine)
set_tests_properties(wine_stop PROPERTIES FIXTURES_CLEANUP wine)
set(wine_tests wine_prefix wine_stop)

# The program must run with no DLL beside it: it may import system DLLs only.
add_test(NAME imports_system_dlls_only COMMAND sh -c
  "\"$0\" -p \"$1\" | sed -n 's/^[[:space:]]*DLL Name: //p' | tee /dev/stderr | grep -viqE '^(kernel32|msvcrt|user32|advapi32|ws2_32|ucrtbase|api-ms-win-[a-z0-9-]+)\\.dll$' && exit 1 || exit 0"
  ${CMAKE_OBJDUMP} $<TARGET_FILE:aliasconv>)

add_test(NAME unit COMMAND aliasconv_tests)
add_test(NAME oom COMMAND aliasconv_oom_tests)
list(APPEND wine_tests unit oom)

# The ANSI code page follows the locale that Wine is started in.
foreach(entry ja_JP.SJIS=932 zh_CN.GBK=936 ko_KR.EUC-KR=949 zh_TW.BIG5=950 C=1252)
  string(REPLACE "=" ";" parts ${entry})
  list(GET parts 0 locale)
  list(GET parts 1 code_page)
  add_test(NAME code_page_${locale} COMMAND aliasconv_tests --gtest_filter=SystemCodePage.*)
  set_tests_properties(code_page_${locale} PROPERTIES ENVIRONMENT
    "LC_ALL=${locale};ALIASCONV_EXPECTED_CODE_PAGE=${code_page}")
  list(APPEND wine_tests code_page_${locale})
endforeach()

# The end-to-end table is run by the runner of a Linux build against this
# build's program, and each new file must match the Linux run's byte for byte.
set(ALIASCONV_E2E_RUNNER ${PROJECT_SOURCE_DIR}/build/tests/aliasconv_e2e
  CACHE FILEPATH "End-to-end runner of a Linux build of this project")
get_filename_component(linux_tests_dir ${ALIASCONV_E2E_RUNNER} DIRECTORY)
# Wine shows the program's Unix path as a path on drive Z:.
string(REPLACE "/" "\\" program_name "Z:${PROJECT_BINARY_DIR}/aliasconv.exe")
add_test(NAME e2e COMMAND ${ALIASCONV_E2E_RUNNER})
set_tests_properties(e2e PROPERTIES ENVIRONMENT
  "ALIASCONV_COMMAND=${ALIASCONV_WINE} ${PROJECT_BINARY_DIR}/aliasconv.exe;ALIASCONV_PROGRAM_NAME=${program_name};ALIASCONV_TARGET=windows;ALIASCONV_WORK_DIR=${CMAKE_CURRENT_BINARY_DIR}/e2e-work;ALIASCONV_SAME_AS=${linux_tests_dir}/e2e-work")
list(APPEND wine_tests e2e)

foreach(test ${wine_tests})
  set_property(TEST ${test} APPEND PROPERTY ENVIRONMENT ${wine_environment})
  if(NOT test STREQUAL wine_prefix AND NOT test STREQUAL wine_stop)
    set_property(TEST ${test} PROPERTY FIXTURES_REQUIRED wine)
  endif()
endforeach()
