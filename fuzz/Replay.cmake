# Every fuzz corpus replayed as a test, so that an input that once broke a
# reader goes on being checked: fuzz/ReplayMain.cpp, built with the normal
# compiler and flags (the sanitizers too when QUILLO_SANITIZE is on) together
# with fuzz/<name>_fuzzer.cpp into <name>_replay, feeds it each file of
# fuzz/corpus/<name>/ in the test fuzz_replay.<name>. The targets' checks
# abort as they do under libFuzzer. Targets that need Qt are left out of
# core-only builds (fuzz/Targets.cmake). Included from tests/CMakeLists.txt.
include(${CMAKE_CURRENT_LIST_DIR}/Targets.cmake)

quillo_fuzz_targets(quillo_replay_names)
foreach(name ${quillo_replay_names})
  add_executable(${name}_replay ${PROJECT_SOURCE_DIR}/fuzz/ReplayMain.cpp
                                ${PROJECT_SOURCE_DIR}/fuzz/${name}_fuzzer.cpp)
  quillo_fuzz_link(${name}_replay ${name})
  add_test(NAME fuzz_replay.${name}
           COMMAND ${name}_replay ${PROJECT_SOURCE_DIR}/fuzz/corpus/${name})
  if(QUILLO_RUN_ENV)
    set_tests_properties(fuzz_replay.${name} PROPERTIES ENVIRONMENT "${QUILLO_RUN_ENV}")
  endif()
endforeach()
