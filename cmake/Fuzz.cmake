# libFuzzer targets need clang while the product builds with the default
# compiler, so each fuzz target is compiled by a direct clang++ call from plain
# C++ sources (no Qt) and run briefly as a ctest case.
find_program(DORMIVO_CLANGXX NAMES clang++ clang++-14)

# dormivo_add_fuzz_test(NAME name SOURCES a.cpp b.cpp INCLUDES dir... [SECONDS n])
function(dormivo_add_fuzz_test)
  cmake_parse_arguments(F "" "NAME;SECONDS" "SOURCES;INCLUDES" ${ARGN})
  if(NOT DORMIVO_CLANGXX)
    message(STATUS "clang++ not found: fuzz test ${F_NAME} is not built")
    return()
  endif()
  if(NOT F_SECONDS)
    set(F_SECONDS 10)
  endif()
  set(out ${CMAKE_BINARY_DIR}/fuzz/${F_NAME})
  set(incs)
  foreach(i ${F_INCLUDES})
    list(APPEND incs -I${i})
  endforeach()
  add_custom_command(
    OUTPUT ${out}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/fuzz
    COMMAND ${DORMIVO_CLANGXX} -std=c++20 -g -O1 -fsanitize=fuzzer,address,undefined
            -fno-sanitize-recover=all ${incs} ${F_SOURCES} -o ${out}
    DEPENDS ${F_SOURCES}
    COMMENT "Building fuzz target ${F_NAME}"
    VERBATIM)
  add_custom_target(${F_NAME} ALL DEPENDS ${out})
  set(corpus ${CMAKE_BINARY_DIR}/fuzz/${F_NAME}-corpus)
  add_test(NAME ${F_NAME}
           COMMAND ${CMAKE_COMMAND} -E env ASAN_OPTIONS=detect_leaks=1
                   ${out} -max_total_time=${F_SECONDS} -print_final_stats=1 ${corpus})
  set_tests_properties(${F_NAME} PROPERTIES LABELS fuzz FIXTURES_REQUIRED ${F_NAME}-corpus)
  add_test(NAME ${F_NAME}-corpus COMMAND ${CMAKE_COMMAND} -E make_directory ${corpus})
  set_tests_properties(${F_NAME}-corpus PROPERTIES FIXTURES_SETUP ${F_NAME}-corpus)
endfunction()
