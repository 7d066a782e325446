# Runtime files beside the executables in build/bin, and their installed place <prefix>/lib/kwintel.

# The OpenTaal word files, made from Debian's wdutch list by kwintel-mkwords.
set(KWINTEL_WORD_LIST /usr/share/dict/dutch CACHE FILEPATH "UTF-8 word list the word files are made from")
set(KWINTEL_WORD_LIST_LICENCE /usr/share/doc/wdutch/copyright CACHE FILEPATH "Licence note of that list")
set(KWINTEL_WORD_FILES "")
foreach(length RANGE 2 19)
  if(length LESS 10)
    list(APPEND KWINTEL_WORD_FILES ${KWINTEL_BIN_DIR}/opentaal0${length}.DOC)
  else()
    list(APPEND KWINTEL_WORD_FILES ${KWINTEL_BIN_DIR}/opentaal${length}.DOC)
  endif()
endforeach()

if(KWINTEL_WORD_FILES AND EXISTS ${KWINTEL_WORD_LIST})
  add_custom_command(
    OUTPUT ${KWINTEL_WORD_FILES}
    COMMAND kwintel-mkwords ${KWINTEL_WORD_LIST} ${KWINTEL_BIN_DIR}/opentaal
    DEPENDS kwintel-mkwords ${KWINTEL_WORD_LIST}
    COMMENT "Making the OpenTaal word files"
    VERBATIM)
  add_custom_target(kwintel_word_files ALL DEPENDS ${KWINTEL_WORD_FILES})
  install(FILES ${KWINTEL_WORD_FILES} DESTINATION ${KWINTEL_INSTALL_LIBDIR})
else()
  message(WARNING "${KWINTEL_WORD_LIST} not found (Debian package wdutch): no word files are made")
endif()

if(EXISTS ${KWINTEL_WORD_LIST_LICENCE})
  configure_file(${KWINTEL_WORD_LIST_LICENCE} ${KWINTEL_BIN_DIR}/opentaal-licentie.txt COPYONLY)
  install(FILES ${KWINTEL_BIN_DIR}/opentaal-licentie.txt DESTINATION ${KWINTEL_INSTALL_LIBDIR})
endif()

# Files the program opens by a bare name: copied on every build so edits show at once.
set(KWINTEL_RUNTIME_RESOURCES tips.txt kwintel.html)
foreach(name ${KWINTEL_RUNTIME_RESOURCES})
  set(source ${PROJECT_SOURCE_DIR}/resources/${name})
  if(EXISTS ${source})
    add_custom_command(
      OUTPUT ${KWINTEL_BIN_DIR}/${name}
      COMMAND ${CMAKE_COMMAND} -E copy_if_different ${source} ${KWINTEL_BIN_DIR}/${name}
      DEPENDS ${source}
      VERBATIM)
    list(APPEND KWINTEL_RUNTIME_OUTPUTS ${KWINTEL_BIN_DIR}/${name})
    install(FILES ${source} DESTINATION ${KWINTEL_INSTALL_LIBDIR})
  endif()
endforeach()
if(KWINTEL_RUNTIME_OUTPUTS)
  add_custom_target(kwintel_runtime_files ALL DEPENDS ${KWINTEL_RUNTIME_OUTPUTS})
endif()
