# libFuzzer targets: built only in the clang "fuzz" preset, each run for a
# bounded time as a CTest test labelled "fuzz". SEEDS names a folder of
# committed inputs the fuzzer starts from; what it finds goes into the
# corpus folder of the build tree, never into the seeds.
set(RUVO_FUZZ_SECONDS 20 CACHE STRING "Seconds each fuzzer runs under CTest")

function(ruvo_add_fuzzer name)
  cmake_parse_arguments(ARG "" "SEEDS" "SOURCES;LIBS" ${ARGN})
  if(NOT RUVO_FUZZ)
    return()
  endif()
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} ruvo_warnings)
  target_compile_options(${name} PRIVATE -fsanitize=fuzzer)
  target_link_options(${name} PRIVATE -fsanitize=fuzzer)
  set(corpus ${CMAKE_CURRENT_BINARY_DIR}/${name}_corpus)
  file(MAKE_DIRECTORY ${corpus})
  set(seeds)
  if(ARG_SEEDS)
    set(seeds ${CMAKE_CURRENT_SOURCE_DIR}/${ARG_SEEDS})
  endif()
  add_test(NAME ${name}
           COMMAND ${name} -max_total_time=${RUVO_FUZZ_SECONDS} -rss_limit_mb=2048
                   -max_len=65536 ${corpus} ${seeds})
  set_tests_properties(${name} PROPERTIES LABELS fuzz TIMEOUT 600)
endfunction()
