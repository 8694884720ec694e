# The fuzzing tier: libFuzzer targets, built only by the `fuzz` preset
# (clang with -fsanitize=fuzzer,address,undefined, no UB recovery).
#
#   suite_add_fuzz_target(<name> SOURCES <files...> [LIBS <targets...>] [INCLUDES <dirs...>])
#       A libFuzzer program, declared in a component's fuzz/CMakeLists.txt.
#       Its seed corpus is fuzz/corpus/<name>/ and its kept crash inputs
#       fuzz/crashes/<name>/; scripts/fuzz.sh finds both through the list
#       of targets written to <build>/fuzz-targets.txt.
#
# Every other preset ignores the calls, so the targets cost them nothing.

option(SUITE_FUZZ "Build the libFuzzer targets (clang only)" OFF)

if(SUITE_FUZZ)
  # Everything is instrumented for coverage; only the targets link libFuzzer's main.
  add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all
                      -fno-omit-frame-pointer -g)
  add_link_options(-fsanitize=address,undefined)
  add_custom_target(suite_fuzz_targets)
  set_property(GLOBAL PROPERTY SUITE_FUZZ_LIST "")
endif()

function(suite_add_fuzz_target name)
  cmake_parse_arguments(T "" "" "SOURCES;LIBS;INCLUDES" ${ARGN})
  if(NOT SUITE_FUZZ)
    return()
  endif()
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS})
  target_include_directories(${name} PRIVATE ${T_INCLUDES})
  target_link_options(${name} PRIVATE -fsanitize=fuzzer)
  add_dependencies(suite_fuzz_targets ${name})
  set_property(GLOBAL APPEND PROPERTY SUITE_FUZZ_LIST "${name} ${CMAKE_CURRENT_SOURCE_DIR}")
endfunction()

# Writes the list of targets: one line "<name> <fuzz folder>" each.
function(suite_write_fuzz_list)
  if(NOT SUITE_FUZZ)
    return()
  endif()
  get_property(entries GLOBAL PROPERTY SUITE_FUZZ_LIST)
  list(JOIN entries "\n" text)
  file(WRITE "${CMAKE_BINARY_DIR}/fuzz-targets.txt" "${text}\n")
endfunction()
