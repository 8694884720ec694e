# Test helpers shared by every component.
#
#   suite_add_test(<name> SOURCES <files...> [LIBS <targets...>] [DATA_DIR <dir>])
#       A portable GoogleTest binary: built natively (under the sanitizers) and
#       cross-built for Windows, where ctest runs it under Wine.
#   suite_add_windows_test(<name> SOURCES <files...> [LIBS <targets...>] [DATA_DIR <dir>])
#       A Windows-only GoogleTest binary (Win32 calls, windows, real processes).
#   suite_add_host_check(<name> COMMAND <cmd...>)
#       A check run on the Linux host over built Windows binaries (for
#       example objdump over the product DLLs); label "host".
#   suite_add_bench_run(<name> COMMAND <target> [args...])
#       One short run of a benchmark program (its quick mode), checked only
#       by its exit code; never in the product build.  Label "bench": the
#       native-release preset runs these (figures: docs/performance.md).
#
# Each binary is one ctest entry: Wine's start-up costs about a second, so one
# binary should hold many tests.  Tests see SUITE_TEST_DATA_DIR, the folder of
# their fixtures (default: the tests' own source folder) as the program itself
# would name it (a Z: path under Wine).

set(SUITE_GTEST_SOURCE_DIR "/usr/src/googletest" CACHE PATH "GoogleTest sources")
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory("${SUITE_GTEST_SOURCE_DIR}" "${CMAKE_BINARY_DIR}/googletest" EXCLUDE_FROM_ALL)
foreach(gtest_target gtest gtest_main)
  target_compile_options(${gtest_target} PRIVATE -w)
endforeach()

set(SUITE_SCRIPTS_DIR "${CMAKE_CURRENT_LIST_DIR}/../scripts")
get_filename_component(SUITE_SCRIPTS_DIR "${SUITE_SCRIPTS_DIR}" ABSOLUTE)

# Windows tests share one Wine session per test run: a prefix, a persistent
# wineserver and an Xvfb of their own, started before the first test and
# stopped after the last.
if(SUITE_WINE_TESTS)
  add_test(NAME wine_session_start
           COMMAND "${SUITE_SCRIPTS_DIR}/wine-session" start "${CMAKE_BINARY_DIR}")
  set_tests_properties(wine_session_start PROPERTIES FIXTURES_SETUP wine_session TIMEOUT 300)
  add_test(NAME wine_session_stop
           COMMAND "${SUITE_SCRIPTS_DIR}/wine-session" stop "${CMAKE_BINARY_DIR}")
  set_tests_properties(wine_session_stop PROPERTIES FIXTURES_CLEANUP wine_session)
endif()

# The path a test program uses for a folder of the source tree.
function(suite_program_path out dir)
  if(SUITE_WINDOWS)
    set(${out} "Z:${dir}" PARENT_SCOPE)
  else()
    set(${out} "${dir}" PARENT_SCOPE)
  endif()
endfunction()

# A test that runs a built program in its own working folder: under Wine
# (in the session) in the Windows builds, natively otherwise.
function(_suite_add_run name timeout)
  set(work_dir "${CMAKE_CURRENT_BINARY_DIR}/${name}.work")
  file(MAKE_DIRECTORY "${work_dir}")
  add_test(NAME ${name} COMMAND ${ARGN} WORKING_DIRECTORY "${work_dir}")
  set_tests_properties(${name} PROPERTIES TIMEOUT ${timeout})
  if(SUITE_WINDOWS)
    set_tests_properties(${name} PROPERTIES FIXTURES_REQUIRED wine_session LABELS wine)
  else()
    set_tests_properties(${name} PROPERTIES LABELS native)
  endif()
endfunction()

function(_suite_gtest name)
  cmake_parse_arguments(T "" "DATA_DIR;TIMEOUT" "SOURCES;LIBS" ${ARGN})
  if(NOT T_DATA_DIR)
    set(T_DATA_DIR "${CMAKE_CURRENT_SOURCE_DIR}")
  endif()
  if(NOT T_TIMEOUT)
    set(T_TIMEOUT 300)
  endif()
  suite_program_path(data_dir "${T_DATA_DIR}")
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} gtest_main gtest)
  target_compile_definitions(${name} PRIVATE SUITE_TEST_DATA_DIR="${data_dir}")
  # The product build compiles every test but runs none under Wine.
  if(SUITE_PRODUCT_BUILD)
    return()
  endif()
  _suite_add_run(${name} ${T_TIMEOUT} ${name})
  if(NOT SUITE_WINDOWS)
    set_tests_properties(${name} PROPERTIES
      ENVIRONMENT "ASAN_OPTIONS=detect_leaks=1:abort_on_error=0;UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1")
  endif()
endfunction()

function(suite_add_test name)
  _suite_gtest(${name} ${ARGN})
endfunction()

function(suite_add_windows_test name)
  if(SUITE_WINDOWS)
    _suite_gtest(${name} ${ARGN})
  endif()
endfunction()

# Host-side checks of built binaries (objdump, file sizes ...).  They run in
# every Windows build, the product's included.
function(suite_add_host_check name)
  cmake_parse_arguments(T "" "" "COMMAND" ${ARGN})
  if(NOT SUITE_WINDOWS)
    return()
  endif()
  # The command must be a host program or script, never a Windows target
  # (ctest would run a target through Wine).
  add_test(NAME ${name} COMMAND ${T_COMMAND})
  set_tests_properties(${name} PROPERTIES LABELS host)
endfunction()

# A benchmark's quick run: it proves the program still works; its figures
# come from the optimised build, run by hand.
function(suite_add_bench_run name)
  cmake_parse_arguments(T "" "" "COMMAND" ${ARGN})
  if(SUITE_PRODUCT_BUILD)
    return()
  endif()
  _suite_add_run(${name} 300 ${T_COMMAND})
  if(SUITE_WINDOWS)
    set_tests_properties(${name} PROPERTIES LABELS "wine;bench")
  else()
    set_tests_properties(${name} PROPERTIES LABELS "native;bench")
  endif()
endfunction()

# Adds every child folder, in name order.  Each must have a CMakeLists.txt: a
# folder without one is an error, so no part drops out of the build unseen.
function(suite_add_subdirectories)
  file(GLOB children RELATIVE "${CMAKE_CURRENT_SOURCE_DIR}" "${CMAKE_CURRENT_SOURCE_DIR}/*")
  list(SORT children)
  foreach(child IN LISTS children)
    if(IS_DIRECTORY "${CMAKE_CURRENT_SOURCE_DIR}/${child}")
      set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS "${CMAKE_CURRENT_SOURCE_DIR}/${child}")
      if(NOT EXISTS "${CMAKE_CURRENT_SOURCE_DIR}/${child}/CMakeLists.txt")
        message(FATAL_ERROR "${CMAKE_CURRENT_SOURCE_DIR}/${child} has no CMakeLists.txt")
      endif()
      add_subdirectory(${child})
    endif()
  endforeach()
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS "${CMAKE_CURRENT_SOURCE_DIR}")
endfunction()
