# One place for compiler flags shared by every target.
add_compile_options(-Wall -Wextra)
if(OSTREL_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
endif()

# ostrel_layer(name SOURCES ... LIBS ...): a static library for one layer.
function(ostrel_layer name)
  cmake_parse_arguments(L "" "" "SOURCES;LIBS" ${ARGN})
  add_library(${name} STATIC ${L_SOURCES})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC ${L_LIBS})
endfunction()

# ostrel_test(name SOURCES ... LIBS ...): a GoogleTest executable registered with CTest.
function(ostrel_test name)
  cmake_parse_arguments(T "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest GTest::gtest_main)
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR} ${PROJECT_SOURCE_DIR}/tests)
  # The sample files, also when a test runs without CTest's environment (the
  # ENVIRONMENT list below reaches CTest as its first entry only).
  target_compile_definitions(${name} PRIVATE OSTREL_TEST_DATA_DIR="${PROJECT_SOURCE_DIR}/tests/data")
  include(GoogleTest)
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen;OSTREL_TEST_DATA=${PROJECT_SOURCE_DIR}/tests/data")
endfunction()
