# stellix_add_fuzzer(<name> SOURCES <files...> [LIBS <libs...>])
#
# A libFuzzer executable <name>_fuzz in the build's fuzz/ folder, linked with
# the fuzzer, address and undefined-behaviour runtimes. It links the core (and
# through it the platform layer) unless LIBS names what it needs; the test
# support library gives it the headless main window the tests use. Its seed
# corpus is fuzz/corpus/<name>/. Every target joins the `fuzzers` target.
if(NOT TARGET fuzzers)
  add_custom_target(fuzzers)
endif()

function(stellix_add_fuzzer name)
  cmake_parse_arguments(PARSE_ARGV 1 FUZZ "" "" "SOURCES;LIBS")
  if(NOT FUZZ_SOURCES)
    message(FATAL_ERROR "stellix_add_fuzzer(${name}): no SOURCES")
  endif()
  if(NOT FUZZ_LIBS)
    set(FUZZ_LIBS core)
  endif()
  set(target ${name}_fuzz)
  add_executable(${target} ${FUZZ_SOURCES})
  target_include_directories(${target} PRIVATE ${CMAKE_SOURCE_DIR}/fuzz ${CMAKE_SOURCE_DIR}/tests)
  target_compile_options(${target} PRIVATE -fsanitize=fuzzer)
  target_link_options(${target} PRIVATE -fsanitize=fuzzer)
  target_link_libraries(${target} PRIVATE ${FUZZ_LIBS} project_warnings)
  set_target_properties(${target} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/fuzz)
  add_dependencies(fuzzers ${target})
endfunction()
