# One place for compiler flags shared by every target.
add_compile_options(-Wall -Wextra)
if(OSTREL_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
endif()

# True in `out` when `target` compiles against Qt Widgets: it links them, or a
# layer it links passes them on (link-only dependencies bring no headers).
function(ostrel_links_widgets target out)
  get_target_property(pending ${target} LINK_LIBRARIES)
  set(seen)
  while(pending)
    list(POP_FRONT pending current)
    if(current STREQUAL "Qt6::Widgets")
      set(${out} TRUE PARENT_SCOPE)
      return()
    endif()
    if(current IN_LIST seen OR NOT TARGET ${current})
      continue()
    endif()
    list(APPEND seen ${current})
    get_target_property(passed ${current} INTERFACE_LINK_LIBRARIES)
    if(passed)
      list(APPEND pending ${passed})
    endif()
  endwhile()
  set(${out} FALSE PARENT_SCOPE)
endfunction()

# ostrel_precompile(target [header...]): clang compiles the given headers, and
# the common Qt Widgets headers when the target links Qt Widgets, once per
# target. Measured here, clang's precompiled headers halve the time of a
# window test's object; gcc's cost more to build than they save, so a gcc
# build goes without.
function(ostrel_precompile target)
  if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    return()
  endif()
  set(headers ${ARGN})
  ostrel_links_widgets(${target} widgets)
  if(widgets)
    list(APPEND headers ${PROJECT_SOURCE_DIR}/cmake/pch/widgets.h)
  endif()
  if(headers)
    target_precompile_headers(${target} PRIVATE ${headers})
  endif()
endfunction()

# ostrel_layer(name SOURCES ... LIBS ...): a static library for one layer.
function(ostrel_layer name)
  cmake_parse_arguments(L "" "" "SOURCES;LIBS" ${ARGN})
  add_library(${name} STATIC ${L_SOURCES})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC ${L_LIBS})
  ostrel_precompile(${name})
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
  ostrel_precompile(${name} ${PROJECT_SOURCE_DIR}/cmake/pch/test.h)
  include(GoogleTest)
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen;OSTREL_TEST_DATA=${PROJECT_SOURCE_DIR}/tests/data")
endfunction()
