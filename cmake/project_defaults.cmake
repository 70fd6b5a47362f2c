# Settings every project target shares: the warning set, narrow literals
# compiled to code page 936, and the Windows defines.
set(TZL_WARNINGS -Wall -Wextra -Wshadow -Wformat=2 -Wundef)

function(tzl_target_defaults target)
  target_compile_options(${target} PRIVATE ${TZL_WARNINGS} -fexec-charset=CP936)
  target_include_directories(${target} PUBLIC ${PROJECT_SOURCE_DIR})
  target_compile_features(${target} PUBLIC cxx_std_17)
  if(WIN32)
    target_compile_definitions(${target} PUBLIC WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601)
  endif()
endfunction()

# tzl_add_library(name SOURCES ... [LIBS ...])
function(tzl_add_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  tzl_target_defaults(${name})
  if(ARG_LIBS)
    target_link_libraries(${name} PUBLIC ${ARG_LIBS})
  endif()
endfunction()

# tzl_add_test(name SOURCES ... [LIBS ...] [FIXTURES] [DISPLAY] [TIMEOUT s])
# One GoogleTest program, one ctest test. FIXTURES makes the test need the
# fixture web services (started and stopped by ctest around it); DISPLAY
# marks a test that opens windows (the test script provides Xvfb).
function(tzl_add_test name)
  cmake_parse_arguments(ARG "FIXTURES;DISPLAY" "TIMEOUT" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES} ${PROJECT_SOURCE_DIR}/tests/support/unbuffered_output.cpp)
  tzl_target_defaults(${name})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} tzl_test_support gtest gmock gtest_main)
  add_test(NAME ${name} COMMAND ${name})
  set(timeout 300)
  if(ARG_TIMEOUT)
    set(timeout ${ARG_TIMEOUT})
  endif()
  set_tests_properties(${name} PROPERTIES TIMEOUT ${timeout})
  if(ARG_FIXTURES)
    set_tests_properties(${name} PROPERTIES FIXTURES_REQUIRED fixture_services
      ENVIRONMENT "TZL_FIXTURE_STATE=${TZL_FIXTURE_STATE_FOR_TESTS}")
  endif()
  if(ARG_DISPLAY)
    set_tests_properties(${name} PROPERTIES LABELS display)
  endif()
endfunction()
