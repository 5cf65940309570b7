# The PGN reader under libFuzzer (clang). Included from tests/fuzz when the
# program's Qt parts are built. The reader, the game record and the rules
# library are instrumented so that the fuzzer sees what its input reaches.
if(TARGET talvor_files)
  foreach(library talvor_files talvor_game talvor_chess)
    if(TARGET ${library})
      target_compile_options(${library} PRIVATE -fsanitize=fuzzer-no-link)
    endif()
  endforeach()
  add_executable(pgn_fuzzer ${CMAKE_CURRENT_LIST_DIR}/pgn_fuzzer.cpp)
  target_link_libraries(pgn_fuzzer PRIVATE talvor_files)
  target_compile_options(pgn_fuzzer PRIVATE -fsanitize=fuzzer)
  target_link_options(pgn_fuzzer PRIVATE -fsanitize=fuzzer)
endif()
