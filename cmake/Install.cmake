# Installing: the programs and their runtime files live together in <prefix>/lib/kwintel (the
# install() calls of the targets and of RuntimeFiles.cmake put them there), because the programs
# look for their word files, tips and help beside their own real path. This adds what a user needs
# to start them: links in <prefix>/bin, the desktop entry and the icon. cmake/Packaging.cmake adds
# the metainfo, the manual pages and the bash completion.

# Relative links, computed at install time so that `cmake --install --prefix` and DESTDIR staging
# both give links that still hold when the tree is moved as a whole.
set(KWINTEL_LINK_CODE [=[
set(bindir "@CMAKE_INSTALL_BINDIR@")
set(libdir "@KWINTEL_INSTALL_LIBDIR@")
if(NOT IS_ABSOLUTE "${bindir}")
  set(bindir "${CMAKE_INSTALL_PREFIX}/${bindir}")
endif()
if(NOT IS_ABSOLUTE "${libdir}")
  set(libdir "${CMAKE_INSTALL_PREFIX}/${libdir}")
endif()
file(RELATIVE_PATH target "${bindir}" "${libdir}/@KWINTEL_PROGRAM@")
set(link "$ENV{DESTDIR}${bindir}/@KWINTEL_PROGRAM@")
file(MAKE_DIRECTORY "$ENV{DESTDIR}${bindir}")
message(STATUS "Installing: ${link} -> ${target}")
file(CREATE_LINK "${target}" "${link}" SYMBOLIC)
list(APPEND CMAKE_INSTALL_MANIFEST_FILES "${link}")
]=])

foreach(KWINTEL_PROGRAM kwintel kwintel-cli kwintel-mkwords)
  if(TARGET ${KWINTEL_PROGRAM})
    string(CONFIGURE "${KWINTEL_LINK_CODE}" code @ONLY)
    install(CODE "${code}")
  endif()
endforeach()

if(TARGET kwintel)
  install(FILES ${PROJECT_SOURCE_DIR}/resources/kwintel.desktop
          DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  # OPTIONAL: a tree without the icon still installs.
  install(FILES ${PROJECT_SOURCE_DIR}/resources/kwintel.svg
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps OPTIONAL)
endif()
