# Install rules and packages: a Debian package on Linux, a ZIP on Windows.
include(GNUInstallDirs)

if(WIN32)
  # A ZIP is unpacked into one folder and run from there: keep it flat, with
  # the manual as text, since Windows has no man.
  set(ALIASCONV_BIN_DESTINATION .)
  set(ALIASCONV_DOC_DESTINATION .)
  find_program(ALIASCONV_GROFF groff)
  set(ALIASCONV_MANUAL_TEXT ${CMAKE_CURRENT_BINARY_DIR}/aliasconv.txt)
  if(ALIASCONV_GROFF)
    add_custom_command(
      OUTPUT ${ALIASCONV_MANUAL_TEXT}
      COMMAND ${CMAKE_COMMAND} -DGROFF=${ALIASCONV_GROFF}
              -DPAGE=${CMAKE_CURRENT_SOURCE_DIR}/docs/aliasconv.1
              -DTEXT=${ALIASCONV_MANUAL_TEXT}
              -P ${CMAKE_CURRENT_SOURCE_DIR}/cmake/render_manual.cmake
      DEPENDS docs/aliasconv.1 cmake/render_manual.cmake
      COMMENT "Rendering the manual page as text")
    add_custom_target(aliasconv_manual_text ALL DEPENDS ${ALIASCONV_MANUAL_TEXT})
    install(FILES ${ALIASCONV_MANUAL_TEXT} DESTINATION .)
  else()
    message(WARNING "groff not found: the package carries the manual page's source, not its text")
    install(FILES docs/aliasconv.1 DESTINATION .)
  endif()
else()
  set(ALIASCONV_BIN_DESTINATION ${CMAKE_INSTALL_BINDIR})
  set(ALIASCONV_DOC_DESTINATION ${CMAKE_INSTALL_DOCDIR})
  install(FILES docs/aliasconv.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endif()

install(TARGETS aliasconv RUNTIME DESTINATION ${ALIASCONV_BIN_DESTINATION})
install(FILES docs/format.md DESTINATION ${ALIASCONV_DOC_DESTINATION})
install(FILES examples/aliases.old DESTINATION ${ALIASCONV_DOC_DESTINATION}/examples)

set(CPACK_PACKAGE_NAME aliasconv)
set(CPACK_PACKAGE_VENDOR "aliasconv maintainers")
set(CPACK_PACKAGE_CONTACT "aliasconv maintainers <maintainers@users.noreply.c-seed-407cdd08.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "convert mail alias files to the new fixed-column format")
set(CPACK_PACKAGE_DESCRIPTION "\
aliasconv reads a mail alias file in the older text format (comments,
escapes, continuation lines) and, only if the whole file is accepted, writes
the same aliases in the newer fixed-column format with CR LF line ends.
Comments are not carried over.")
set(CPACK_STRIP_FILES ON)

if(WIN32)
  set(CPACK_GENERATOR ZIP)
else()
  set(CPACK_GENERATOR DEB)
  set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
  set(CPACK_DEBIAN_PACKAGE_SECTION mail)
  set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
  find_program(ALIASCONV_DPKG_SHLIBDEPS dpkg-shlibdeps)
  if(ALIASCONV_DPKG_SHLIBDEPS)
    set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
  else()
    # Without dpkg-dev, name what a g++ 12 build links against.
    set(CPACK_DEBIAN_PACKAGE_DEPENDS "libc6 (>= 2.34), libgcc-s1 (>= 3.0), libstdc++6 (>= 12)")
  endif()
endif()

include(CPack)
