# Project-wide compile settings: warnings on everywhere, errors and sanitizers in the test build.
add_compile_options(-Wall -Wextra -Wpedantic)
if(TABLAMOR_WERROR)
  add_compile_options(-Werror)
endif()
if(TABLAMOR_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
endif()

# tablamor_add_test(name sources... LIBS libs...): one GoogleTest executable registered with ctest.
function(tablamor_add_test name)
  cmake_parse_arguments(T "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest GTest::gtest_main)
  target_compile_definitions(${name} PRIVATE
    TABLAMOR_SOURCE_DIR="${PROJECT_SOURCE_DIR}"
    TABLAMOR_RUNTIME_DIR="${TABLAMOR_RUNTIME_DIR}")
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60 PROPERTIES TIMEOUT 600)
endfunction()
