# GoogleTest: the system's copy natively, built from source for Windows.
if(WIN32)
  set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(gtest_force_shared_crt OFF CACHE BOOL "" FORCE)
  add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
else()
  find_package(GTest REQUIRED)
endif()
include(GoogleTest)

# One Wine session for the whole test run: a fresh prefix and a persistent
# wineserver at the start, the server stopped at the end.
if(LOMVEX_WINE_RUN)
  add_test(NAME wine_session_start COMMAND ${LOMVEX_WINE_RUN} --start-session)
  set_tests_properties(wine_session_start PROPERTIES FIXTURES_SETUP wine TIMEOUT 120)
  add_test(NAME wine_session_stop COMMAND ${LOMVEX_WINE_RUN} --stop-session)
  set_tests_properties(wine_session_stop PROPERTIES FIXTURES_CLEANUP wine)
endif()

# lomvex_add_gtest(NAME SOURCES ... LIBRARIES ...)
# Natively each test case becomes a CTest test; under Wine the whole executable
# is one test (one Wine start instead of one per case); on i686 it is only built.
function(lomvex_add_gtest name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBRARIES" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBRARIES} GTest::gtest_main lomvex_options)
  if(NOT CMAKE_CROSSCOMPILING)
    gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST)
  elseif(LOMVEX_WINE_RUN)
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES FIXTURES_REQUIRED wine TIMEOUT 300)
  endif()
endfunction()
