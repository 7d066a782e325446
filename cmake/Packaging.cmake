# What a desktop and a distribution need beside the programs: the AppStream metainfo, the manual
# pages and the bash completion, configured with the project's version; and the checks that keep
# them, the desktop entry and debian/changelog valid and in step with the programs.

# The release of PROJECT_VERSION; debian/changelog's top entry carries the same day (a test checks).
set(KWINTEL_RELEASE_DATE 2026-12-08)
# The AppStream component id, also the metainfo file's name.
set(KWINTEL_APPSTREAM_ID nl.kwintel.kwintel)

set(KWINTEL_FULL_LIBDIR ${CMAKE_INSTALL_FULL_LIBDIR}/kwintel)
set(KWINTEL_PACKAGING_DIR ${CMAKE_BINARY_DIR}/packaging)

set(KWINTEL_METAINFO ${KWINTEL_PACKAGING_DIR}/${KWINTEL_APPSTREAM_ID}.metainfo.xml)
configure_file(resources/kwintel.metainfo.xml.in ${KWINTEL_METAINFO} @ONLY)

set(KWINTEL_MAN_PAGES kwintel.6 kwintel-cli.6 kwintel-mkwords.1)
foreach(page ${KWINTEL_MAN_PAGES})
  configure_file(resources/man/${page}.in ${KWINTEL_PACKAGING_DIR}/man/${page} @ONLY)
endforeach()

set(KWINTEL_COMPLETION ${PROJECT_SOURCE_DIR}/resources/completion/kwintel-cli.bash)

if(TARGET kwintel)
  install(FILES ${KWINTEL_METAINFO} DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
  install(FILES ${KWINTEL_PACKAGING_DIR}/man/kwintel.6 DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
endif()
if(TARGET kwintel-cli)
  install(FILES ${KWINTEL_PACKAGING_DIR}/man/kwintel-cli.6 DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
  install(FILES ${KWINTEL_COMPLETION}
          DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions RENAME kwintel-cli)
endif()
if(TARGET kwintel-mkwords)
  install(FILES ${KWINTEL_PACKAGING_DIR}/man/kwintel-mkwords.1
          DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endif()

# The checks: shell scripts in tests/packaging that exit 77 (skipped) when their tool is missing.
if(KWINTEL_TESTS)
  set(checks ${PROJECT_SOURCE_DIR}/tests/packaging)
  add_test(NAME packaging.version
           COMMAND ${checks}/version_test.sh ${PROJECT_SOURCE_DIR}/debian/changelog
                   ${PROJECT_VERSION} ${KWINTEL_RELEASE_DATE} ${KWINTEL_METAINFO})
  add_test(NAME packaging.desktop_entry
           COMMAND ${checks}/desktop_entry_test.sh ${PROJECT_SOURCE_DIR}/resources/kwintel.desktop)
  add_test(NAME packaging.metainfo COMMAND ${checks}/metainfo_test.sh ${KWINTEL_METAINFO})
  set(pages "")
  foreach(page ${KWINTEL_MAN_PAGES})
    list(APPEND pages ${KWINTEL_PACKAGING_DIR}/man/${page})
  endforeach()
  add_test(NAME packaging.man_pages COMMAND ${checks}/man_pages_test.sh ${pages})
  add_test(NAME packaging.completion COMMAND ${checks}/completion_test.sh ${KWINTEL_COMPLETION})
  if(TARGET kwintel-cli)
    add_test(NAME packaging.cli_options_documented
             COMMAND ${checks}/cli_options_documented_test.sh $<TARGET_FILE:kwintel-cli>
                     ${KWINTEL_PACKAGING_DIR}/man/kwintel-cli.6 ${KWINTEL_COMPLETION})
  endif()
  set_tests_properties(packaging.version packaging.desktop_entry packaging.metainfo
                       packaging.man_pages packaging.completion
                       PROPERTIES SKIP_RETURN_CODE 77 LABELS packaging)
  if(TARGET kwintel-cli)
    set_tests_properties(packaging.cli_options_documented
                         PROPERTIES SKIP_RETURN_CODE 77 LABELS packaging)
  endif()
endif()
