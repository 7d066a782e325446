# cmake -DRULES=layers.txt -DROOT=<source folder> -DWORK=<scratch folder> -P planted_include.cmake
#
# The layer check must refuse an engine file that includes the shell and a results file that
# includes Qt, and pass the same tree without them: a copy of the engine and results folders with
# one include planted in each.
cmake_policy(SET CMP0007 NEW)
file(REMOVE_RECURSE ${WORK})
foreach(folder engine results)
  file(COPY ${ROOT}/src/${folder} DESTINATION ${WORK}/src)
endforeach()

function(run_check expect_failure)
  execute_process(COMMAND ${CMAKE_COMMAND} -DRULES=${RULES} -DROOT=${WORK} -P ${ROOT}/cmake/CheckLayers.cmake
                  RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
  if(expect_failure AND result EQUAL 0)
    message(FATAL_ERROR "a planted include passed the layer check:\n${output}")
  elseif(NOT expect_failure AND NOT result EQUAL 0)
    message(FATAL_ERROR "the unchanged copy failed the layer check:\n${output}")
  endif()
  set(check_output "${output}" PARENT_SCOPE)
endfunction()

run_check(FALSE)
file(APPEND ${WORK}/src/engine/word_scan.h "#include \"shell/main_dialog.h\"\n")
file(APPEND ${WORK}/src/results/sort_results.cpp "#include <QString>\n")
run_check(TRUE)
foreach(expected "src/engine/word_scan.h: #include \"shell/main_dialog.h\"" "src/results/sort_results.cpp: #include <QString>")
  string(FIND "${check_output}" "${expected}" at)
  if(at LESS 0)
    message(FATAL_ERROR "the layer check did not name ${expected}:\n${check_output}")
  endif()
endforeach()
file(REMOVE_RECURSE ${WORK})
