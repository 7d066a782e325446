# One library per folder. A folder may use only the folders it names after USES, all of them below
# it; the rules go to build/layers.txt, against which cmake/CheckLayers.cmake holds every #include.
set(KWINTEL_STRICT_WARNINGS -Wshadow -Wconversion -Wsign-conversion)
if(KWINTEL_WERROR)
  list(APPEND KWINTEL_STRICT_WARNINGS -Werror)
endif()

# kwintel_layer(FOLDER [USES NAME...] [LIBS TARGET...] [EXCLUDE FILE...]): the library kwintel_NAME
# (NAME: the folder's last part) of every FOLDER/*.cpp but a program's main.cpp and the files named
# after EXCLUDE, which a library of their own builds. FOLDER is relative to the project; its
# headers are included as "NAME/file.h" from src/.
function(kwintel_layer folder)
  cmake_parse_arguments(LAYER "" "" "USES;LIBS;EXCLUDE" ${ARGN})
  get_filename_component(name ${folder} NAME)
  file(GLOB sources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/${folder}/*.cpp)
  list(FILTER sources EXCLUDE REGEX "/main\\.cpp$")
  foreach(excluded ${LAYER_EXCLUDE})
    list(REMOVE_ITEM sources ${PROJECT_SOURCE_DIR}/${folder}/${excluded})
  endforeach()
  add_library(kwintel_${name} STATIC ${sources})
  target_include_directories(kwintel_${name} PUBLIC ${PROJECT_SOURCE_DIR}/src ${CMAKE_BINARY_DIR}/generated)
  target_compile_options(kwintel_${name} PRIVATE ${KWINTEL_STRICT_WARNINGS})
  foreach(used ${LAYER_USES})
    target_link_libraries(kwintel_${name} PUBLIC kwintel_${used})
  endforeach()
  if(LAYER_LIBS)
    target_link_libraries(kwintel_${name} PUBLIC ${LAYER_LIBS})
  endif()
  list(JOIN LAYER_USES "," uses)
  set_property(GLOBAL APPEND PROPERTY KWINTEL_LAYER_RULES "${folder}:${name}:${uses}")
endfunction()

# Writes the rules of every layer made so far, one line per folder: FOLDER:NAME:USED,USED...
function(kwintel_write_layer_rules file)
  get_property(rules GLOBAL PROPERTY KWINTEL_LAYER_RULES)
  list(JOIN rules "\n" text)
  file(WRITE ${file} "${text}\n")
endfunction()
