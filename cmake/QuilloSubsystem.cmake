# The layering, enforced by the compiler: src/base at the bottom, then the five
# subsystems skin, io, media, effects and app. Each library target is given an
# include folder of its own in the build tree, holding a link to its source
# folder only, under the path its headers are included by ("base/Bitmap.h",
# "skin/core/SmoothDraw.h"). A target sees its own headers and those of the
# targets it links, nothing else, so an include that runs up the layers (or
# from a core into the Qt code beside it) does not compile.

# The scope in which a library passes things on to the targets that link it.
function(quillo_scope target out)
  get_target_property(kind ${target} TYPE)
  if(kind STREQUAL "INTERFACE_LIBRARY")
    set(${out} INTERFACE PARENT_SCOPE)
  else()
    set(${out} PUBLIC PARENT_SCOPE)
  endif()
endfunction()

# Gives target the include folder that shows src/<subpath> as <subpath>. The
# subpath is a folder, or a single header when the target shows only some of
# its folder's headers.
function(quillo_include_view target subpath)
  set(view ${CMAKE_BINARY_DIR}/include-views/${target})
  get_filename_component(parent ${view}/${subpath} DIRECTORY)
  # A build folder may still link the whole folder where single headers are
  # linked now: the link goes (never what it points to), the folder is made.
  if(IS_SYMLINK ${parent})
    file(REMOVE ${parent})
  endif()
  file(MAKE_DIRECTORY ${parent})
  if(NOT IS_SYMLINK ${view}/${subpath})
    file(CREATE_LINK ${PROJECT_SOURCE_DIR}/src/${subpath} ${view}/${subpath} SYMBOLIC)
  endif()
  quillo_scope(${target} scope)
  target_include_directories(${target} ${scope} ${view})
endfunction()

# Precompiles the Qt headers nearly every source of the target includes (most
# of a small source's compile time), plus any further headers given. With them
# GCC 12 reports more of its false positives on "literal" + std::string, as
# -Warray-bounds and -Wstringop-overflow/-overread, depending even on the
# length of the build folder's path (like its -Wrestrict ones, switched off at
# the top); clang's own bounds warnings stay on.
function(quillo_precompile_qt target)
  target_precompile_headers(${target} PRIVATE ${PROJECT_SOURCE_DIR}/cmake/QtPrecompiled.h ${ARGN})
  if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
    target_compile_options(${target} PRIVATE -Wno-array-bounds -Wno-stringop-overflow
                                             -Wno-stringop-overread)
  endif()
endfunction()

# A library of the sources given, or an interface library when there are none.
function(quillo_library target)
  if(ARGN)
    add_library(${target} STATIC ${ARGN})
  else()
    add_library(${target} INTERFACE)
  endif()
endfunction()

# Links a library to what it depends on, whatever kind of library it is.
function(quillo_link target)
  quillo_scope(${target} scope)
  target_link_libraries(${target} ${scope} ${ARGN})
endfunction()

# A vector kernel's two builds in target, chosen at run time (base/Cpu.h): the
# baseline source, and the AVX2 source (quillo_vector_source).
function(quillo_kernel_pair target baseline avx2)
  set_source_files_properties(${baseline} PROPERTIES COMPILE_OPTIONS "-O3")
  quillo_vector_source(${target} ${avx2} -mavx2)
endfunction()

# A third build of some kernels for AVX-512, with the extensions base/Cpu.h
# checks for (which bring FMA: the project's -ffp-contract=off keeps products
# and sums apart, as the other builds round them). GCC 12 warns of the
# "undefined" vectors inside its own AVX-512 headers as maybe uninitialised.
function(quillo_kernel_avx512 target source)
  set(options -mavx2 -mavx512f -mavx512bw -mavx512dq -mavx512vl -mavx512vbmi)
  if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
    list(APPEND options -Wno-maybe-uninitialized)
  endif()
  quillo_vector_source(${target} ${source} ${options})
endfunction()

# A vector build's source in target: compiled with the options after it on
# x86-64 and as another baseline build elsewhere, optimised fully whatever the
# build type, and its object listed in QUILLO_VECTOR_OBJECTS (one generator
# expression each), whose symbols the lint test checks (tests/lint).
function(quillo_vector_source target source)
  if(CMAKE_SYSTEM_PROCESSOR MATCHES "x86_64|AMD64")
    set_source_files_properties(${source} PROPERTIES COMPILE_OPTIONS "${ARGN};-O3")
  else()
    set_source_files_properties(${source} PROPERTIES COMPILE_OPTIONS "-O3")
  endif()
  get_filename_component(name ${source} NAME)
  string(REPLACE "." "[.]" pattern "/${name}")
  set_property(GLOBAL APPEND PROPERTY QUILLO_VECTOR_OBJECTS
               "$<FILTER:$<TARGET_OBJECTS:${target}>,INCLUDE,${pattern}[.]o(bj)?$>")
endfunction()

# Each subsystem folder src/<name> holds a toolkit-free core in core/ (target
# quillo_<name>_core: the standard library and the cores it names) and its Qt
# code beside it and in the folders named by QT_DIRS (target quillo_<name>).
function(quillo_subsystem name)
  cmake_parse_arguments(ARG "" "" "CORE_DEPS;QT_DEPS;QT_LIBS;QT_DIRS" ${ARGN})
  file(GLOB core_sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/core/*.cpp)
  quillo_library(quillo_${name}_core ${core_sources})
  quillo_include_view(quillo_${name}_core ${name}/core)
  quillo_link(quillo_${name}_core quillo_base ${ARG_CORE_DEPS})

  if(NOT QUILLO_CORE_ONLY)
    file(GLOB qt_sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
    foreach(dir ${ARG_QT_DIRS})
      file(GLOB dir_sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${dir}/*.cpp)
      list(APPEND qt_sources ${dir_sources})
    endforeach()
    list(FILTER qt_sources EXCLUDE REGEX "/main\\.cpp$")
    quillo_library(quillo_${name} ${qt_sources})
    quillo_include_view(quillo_${name} ${name})
    quillo_link(quillo_${name} quillo_${name}_core ${ARG_QT_DEPS} ${ARG_QT_LIBS})
    if(qt_sources)
      quillo_precompile_qt(quillo_${name})
    endif()
  endif()
endfunction()

# A module of the program's own (src/base/Module.h): a shared object of the
# SOURCES, beside the program in the build tree and in lib/quillo installed,
# that exports only what the EXPORTS map names and links no Qt. It compiles
# the base's files it needs (BASE, names without .cpp) itself: the static base
# is built for the executable, not for a shared object. It sees the base and
# the VIEWS, and is built before the targets in BEFORE (its loaders), so that
# what runs during the build and the tests find it.
function(quillo_module target)
  cmake_parse_arguments(ARG "" "EXPORTS" "SOURCES;BASE;VIEWS;BEFORE" ${ARGN})
  set(sources ${ARG_SOURCES})
  foreach(file IN LISTS ARG_BASE)
    list(APPEND sources ${PROJECT_SOURCE_DIR}/src/base/${file}.cpp)
  endforeach()
  add_library(${target} MODULE ${sources})
  quillo_include_view(${target} base)
  foreach(view IN LISTS ARG_VIEWS)
    quillo_include_view(${target} ${view})
  endforeach()
  target_link_options(${target} PRIVATE -Wl,--version-script=${ARG_EXPORTS})
  set_target_properties(${target} PROPERTIES LIBRARY_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}
                                             LINK_DEPENDS ${ARG_EXPORTS} AUTOMOC OFF)
  if(NOT QUILLO_SANITIZE AND NOT QUILLO_SANITIZE_THREAD AND NOT QUILLO_FUZZ)
    # Every symbol resolved at link time (sanitizer runtimes live in the program).
    target_link_options(${target} PRIVATE -Wl,--no-undefined)
  endif()
  foreach(user IN LISTS ARG_BEFORE)
    add_dependencies(${user} ${target})
  endforeach()
  install(TARGETS ${target} LIBRARY DESTINATION lib/quillo)
endfunction()
