# Fuzz targets, one per reader, each an LLVMFuzzerTestOneInput in <module>/fuzz/<name>_fuzz.cpp
# with its seed corpus in <module>/fuzz/corpus/<name>/. The test build replays the corpora through
# the same entry points; a clang build configured with -DTABLAMOR_FUZZ=ON makes the libFuzzer
# binaries (see the README).
option(TABLAMOR_FUZZ "Build the libFuzzer targets (clang only)" OFF)

# tablamor_add_fuzz_target(name libs...): the replay test and, when asked, the libFuzzer binary of
# the module whose CMakeLists.txt calls it.
function(tablamor_add_fuzz_target name)
  set(fuzz_source ${CMAKE_CURRENT_SOURCE_DIR}/fuzz/${name}_fuzz.cpp)
  if(TABLAMOR_TESTS)
    add_executable(${name}_fuzz_replay ${fuzz_source} ${PROJECT_SOURCE_DIR}/cmake/fuzz_replay_main.cpp)
    target_link_libraries(${name}_fuzz_replay PRIVATE ${ARGN})
    add_test(NAME fuzz_replay.${name}
             COMMAND ${name}_fuzz_replay ${CMAKE_CURRENT_SOURCE_DIR}/fuzz/corpus/${name})
  endif()
  if(TABLAMOR_FUZZ)
    add_executable(${name}_fuzz ${fuzz_source})
    target_link_libraries(${name}_fuzz PRIVATE ${ARGN})
    target_link_options(${name}_fuzz PRIVATE -fsanitize=fuzzer)
  endif()
endfunction()
