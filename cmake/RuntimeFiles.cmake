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

# Their word counts, opentaal.FRQ, made in the same run from frogdata's lexicon: the count of
# every word form in a tagged Dutch corpus. Without the package the set simply has no counts.
set(KWINTEL_WORD_COUNTS_LIST /usr/share/frog/nld/Frog.mbt.1.0.lex CACHE FILEPATH
    "Counted word forms the counts file is made from (Debian package frogdata)")
set(KWINTEL_WORD_COUNTS_LICENCE /usr/share/doc/frogdata/copyright CACHE FILEPATH
    "Licence note of the counted word forms")
set(KWINTEL_WORD_COUNTS_FILE ${KWINTEL_BIN_DIR}/opentaal.FRQ)

# Their sounds, opentaal.KLK, made in the same run by libespeak-ng's Dutch voice, with the words
# it gets wrong taken from resources/sounds-nl.txt. Without libespeak-ng the set has no sounds.
set(KWINTEL_SOUND_FIXES ${PROJECT_SOURCE_DIR}/resources/sounds-nl.txt)
set(KWINTEL_SOUNDS_LICENCE /usr/share/doc/espeak-ng-data/copyright CACHE FILEPATH
    "Licence note of the espeak-ng data the sounds are made with")
set(KWINTEL_SOUNDS_FILE ${KWINTEL_BIN_DIR}/opentaal.KLK)

if(KWINTEL_WORD_FILES AND EXISTS ${KWINTEL_WORD_LIST})
  set(counts_option "")
  set(counts_input "")
  set(counts_output "")
  if(EXISTS ${KWINTEL_WORD_COUNTS_LIST})
    set(counts_option --counts ${KWINTEL_WORD_COUNTS_LIST})
    set(counts_input ${KWINTEL_WORD_COUNTS_LIST})
    set(counts_output ${KWINTEL_WORD_COUNTS_FILE})
  else()
    message(WARNING "${KWINTEL_WORD_COUNTS_LIST} not found (Debian package frogdata): "
                    "the word files get no counts (opentaal.FRQ)")
  endif()
  set(sounds_option "")
  set(sounds_input "")
  set(sounds_output "")
  if(KWINTEL_HAVE_ESPEAK)
    set(sounds_option --sounds --sound-fixes ${KWINTEL_SOUND_FIXES})
    set(sounds_input ${KWINTEL_SOUND_FIXES})
    set(sounds_output ${KWINTEL_SOUNDS_FILE})
  endif()  # else CMakeLists.txt has warned
  add_custom_command(
    OUTPUT ${KWINTEL_WORD_FILES} ${counts_output} ${sounds_output}
    COMMAND kwintel-mkwords ${counts_option} ${sounds_option} ${KWINTEL_WORD_LIST} ${KWINTEL_BIN_DIR}/opentaal
    DEPENDS kwintel-mkwords ${KWINTEL_WORD_LIST} ${counts_input} ${sounds_input}
    COMMENT "Making the OpenTaal word files, their counts and their sounds"
    VERBATIM)
  add_custom_target(kwintel_word_files ALL DEPENDS ${KWINTEL_WORD_FILES} ${counts_output} ${sounds_output})
  install(FILES ${KWINTEL_WORD_FILES} ${counts_output} ${sounds_output} DESTINATION ${KWINTEL_INSTALL_LIBDIR})
  if(counts_output AND EXISTS ${KWINTEL_WORD_COUNTS_LICENCE})
    configure_file(${KWINTEL_WORD_COUNTS_LICENCE} ${KWINTEL_BIN_DIR}/frogdata-licentie.txt COPYONLY)
    install(FILES ${KWINTEL_BIN_DIR}/frogdata-licentie.txt DESTINATION ${KWINTEL_INSTALL_LIBDIR})
  elseif(counts_output)
    message(WARNING "${KWINTEL_WORD_COUNTS_LICENCE} not found: opentaal.FRQ is made without its licence note")
  endif()
  if(sounds_output AND EXISTS ${KWINTEL_SOUNDS_LICENCE})
    configure_file(${KWINTEL_SOUNDS_LICENCE} ${KWINTEL_BIN_DIR}/espeak-ng-licentie.txt COPYONLY)
    install(FILES ${KWINTEL_BIN_DIR}/espeak-ng-licentie.txt DESTINATION ${KWINTEL_INSTALL_LIBDIR})
  elseif(sounds_output)
    message(WARNING "${KWINTEL_SOUNDS_LICENCE} not found: opentaal.KLK is made without its licence note")
  endif()
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
