# The fuzz targets and what they link, shared by the libFuzzer build
# (fuzz/CMakeLists.txt) and the corpus replay tests (fuzz/Replay.cmake).
# A target <name> is fuzz/<name>_fuzzer.cpp. It links the base and every
# core; those named in quillo_fuzz_qt_targets link the Qt code of io as well
# and exist only when QUILLO_CORE_ONLY is off.
set(quillo_fuzz_qt_targets picture)

# Sets out to the names of the fuzz targets this configuration builds.
function(quillo_fuzz_targets out)
  file(GLOB sources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/fuzz/*_fuzzer.cpp)
  set(names)
  foreach(source ${sources})
    get_filename_component(name ${source} NAME_WE)
    string(REGEX REPLACE "_fuzzer$" "" name ${name})
    if(NOT (QUILLO_CORE_ONLY AND name IN_LIST quillo_fuzz_qt_targets))
      list(APPEND names ${name})
    endif()
  endforeach()
  set(${out} ${names} PARENT_SCOPE)
endfunction()

# Links target to the libraries that the fuzz target name calls into.
function(quillo_fuzz_link target name)
  target_link_libraries(${target} PRIVATE quillo_app_core quillo_effects_core quillo_io_core
                                          quillo_skin_core quillo_base)
  if(name IN_LIST quillo_fuzz_qt_targets)
    target_link_libraries(${target} PRIVATE quillo_io)
  endif()
endfunction()
