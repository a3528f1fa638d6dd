# Helpers that keep the build free of per-file bookkeeping: a folder's sources
# are found by glob, so adding a file never means editing a CMakeLists.

# lw_add_library(target folder [folder...] [EXCLUDE file...] [INCLUDE folder])
# A static library of every .cpp below the folders (recursively). A folder
# with no sources yet becomes an empty library so that targets can link to it.
# Its sources find headers from the source root, or, given INCLUDE, only from
# that folder (a layer's folder of links, lw_add_layers).
function(lw_add_library target folder)
  cmake_parse_arguments(ARG "" "INCLUDE" "EXCLUDE" ${ARGN})
  set(sources "")
  foreach(f ${folder} ${ARG_UNPARSED_ARGUMENTS})
    file(GLOB_RECURSE found CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${f}/*.cpp ${CMAKE_SOURCE_DIR}/${f}/*.h)
    list(APPEND sources ${found})
  endforeach()
  foreach(ex ${ARG_EXCLUDE})
    list(REMOVE_ITEM sources ${CMAKE_SOURCE_DIR}/${ex})
  endforeach()
  if(NOT sources)
    set(stub ${CMAKE_BINARY_DIR}/stubs/${target}.cpp)
    file(WRITE ${stub} "// ${folder} has no sources yet\n")
    set(sources ${stub})
  endif()
  add_library(${target} STATIC ${sources})
  if(ARG_INCLUDE)
    target_include_directories(${target} PRIVATE ${ARG_INCLUDE})
  else()
    target_include_directories(${target} PUBLIC ${CMAKE_SOURCE_DIR})
  endif()
  set_target_properties(${target} PROPERTIES AUTOMOC ON)
endfunction()

# lw_layer_order(out): the layers of the "layer order" block in
# docs/ARCHITECTURE.md, bottom first, each as its folders joined by commas.
# The block is the one place the order is written; scripts/check-layers.py
# reads it too.
function(lw_layer_order out)
  set(doc ${CMAKE_SOURCE_DIR}/docs/ARCHITECTURE.md)
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${doc})
  file(READ ${doc} text)
  string(FIND "${text}" "<!-- layer order" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "no layer order block in ${doc}")
  endif()
  string(SUBSTRING "${text}" ${at} -1 text)
  string(REGEX MATCH "```\n([^`]*)```" block "${text}")
  string(REPLACE "\n" ";" lines "${CMAKE_MATCH_1}")
  set(layers "")
  foreach(line ${lines})
    string(STRIP "${line}" line)
    if(line STREQUAL "")
      continue()
    endif()
    string(REGEX REPLACE "  .*" "" folders "${line}")  # the description follows two spaces
    string(REPLACE ", " "," folders "${folders}")
    list(APPEND layers "${folders}")
  endforeach()
  set(${out} ${layers} PARENT_SCOPE)
endfunction()

# lw_add_layers([EXCLUDE file...] [TOOLKIT library...])
# One static library per layer of the layer order, each linking the layer
# below it. A layer's sources find headers only through its own folder of
# links, build/layers/<target>/, which holds its own folders and those of the
# layers below under their usual names (so includes keep their spelling): an
# include of a higher layer's header does not compile. The TOOLKIT libraries
# (Qt, SQLite, espeak-ng) are linked PRIVATE to each framework/ layer alone:
# the program links them, but no layer above the framework finds their
# headers, so a Qt include there does not compile either. Sets in the caller:
#   LARDERWISE_LAYER_LIBS          the libraries, bottom first
#   LARDERWISE_LAYER_<folder>      the library of a folder ("/" written "_")
# A library is named after its folders: larderwise_app,
# larderwise_framework_print_speech.
function(lw_add_layers)
  cmake_parse_arguments(ARG "" "" "EXCLUDE;TOOLKIT" ${ARGN})
  lw_layer_order(layers)
  set(libs "")
  set(reachable "")
  set(below "")
  foreach(layer ${layers})
    string(REPLACE "," ";" folders "${layer}")
    set(name "")
    foreach(folder ${folders})
      string(REGEX REPLACE "^framework/" "" short ${folder})
      string(REPLACE "/" "_" short ${short})
      list(APPEND name ${short})
    endforeach()
    list(JOIN name "_" name)
    if(layer MATCHES "^framework/")
      set(name framework_${name})
    endif()
    set(target larderwise_${name})
    list(APPEND reachable ${folders})
    set(tree ${CMAKE_BINARY_DIR}/layers/${target})
    file(REMOVE_RECURSE ${tree})
    foreach(folder ${reachable})
      get_filename_component(parent ${tree}/${folder} DIRECTORY)
      file(MAKE_DIRECTORY ${parent})
      file(CREATE_LINK ${CMAKE_SOURCE_DIR}/${folder} ${tree}/${folder} SYMBOLIC)
    endforeach()
    lw_add_library(${target} ${folders} EXCLUDE ${ARG_EXCLUDE} INCLUDE ${tree})
    if(below)
      target_link_libraries(${target} PUBLIC ${below})
    endif()
    if(layer MATCHES "^framework/")
      target_link_libraries(${target} PRIVATE ${ARG_TOOLKIT})
    else()
      set_target_properties(${target} PROPERTIES AUTOMOC OFF)  # no Qt object above the framework
    endif()
    foreach(folder ${folders})
      string(REPLACE "/" "_" key ${folder})
      set(LARDERWISE_LAYER_${key} ${target} PARENT_SCOPE)
    endforeach()
    list(APPEND libs ${target})
    set(below ${target})
  endforeach()
  set(LARDERWISE_LAYER_LIBS ${libs} PARENT_SCOPE)
endfunction()

# Every folder below root that holds test sources (except support/) becomes
# one test executable, registered with CTest and run headless.
function(lw_add_test_folders root)
  file(GLOB_RECURSE test_sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${root}/*.cpp)
  set(dirs "")
  foreach(src ${test_sources})
    get_filename_component(dir ${src} DIRECTORY)
    list(APPEND dirs ${dir})
  endforeach()
  list(REMOVE_DUPLICATES dirs)
  foreach(dir ${dirs})
    file(RELATIVE_PATH rel ${CMAKE_SOURCE_DIR}/${root} ${dir})
    if(rel MATCHES "^(support|desktop)")
      continue()
    endif()
    string(REPLACE "/" "_" name "test_${rel}")
    file(GLOB srcs CONFIGURE_DEPENDS ${dir}/*.cpp ${dir}/*.h)
    add_executable(${name} ${srcs})
    target_link_libraries(${name} PRIVATE larderwise_testsupport)
    # Tests read the help pages and pictures where the program finds them, so
    # building one test program alone brings them along.
    add_dependencies(${name} larderwise_resources)
    set_target_properties(${name} PROPERTIES AUTOMOC ON RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
    # Run from the folder of the test programs rather than the build folder, so
    # that a test which finds its files relative to the folder it runs in fails
    # here as it would anywhere else.
    add_test(NAME ${name} COMMAND ${name} WORKING_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
    set_tests_properties(${name} PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen" TIMEOUT 600)
  endforeach()
endfunction()

# Every .cpp directly in bench/ is one Google Benchmark program.
function(lw_add_benchmarks root)
  file(GLOB benches CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${root}/*.cpp)
  foreach(src ${benches})
    get_filename_component(stem ${src} NAME_WE)
    add_executable(bench_${stem} ${src})
    target_link_libraries(bench_${stem} PRIVATE ${LARDERWISE_ALL_LIBS} ${LARDERWISE_TOOLKIT} benchmark::benchmark)
    target_include_directories(bench_${stem} PRIVATE ${CMAKE_SOURCE_DIR})
    set_target_properties(bench_${stem} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bench)
    # A smoke run of each (label bench): the smallest sizes, once, so a benchmark that no longer
    # runs or whose own check fails is seen; no timing is asserted. The sanitizer build does not
    # build the benchmarks.
    if(NOT LARDERWISE_SANITIZE)
      add_test(NAME bench.${stem} COMMAND bench_${stem} --benchmark_min_time=0.01)
      set_tests_properties(bench.${stem} PROPERTIES LABELS bench TIMEOUT 300
                           ENVIRONMENT "LARDERWISE_BENCH_SMOKE=1;QT_QPA_PLATFORM=offscreen")
    endif()
  endforeach()
endfunction()

# The desktop tests' helper programs (root/drag_source: a file to drag from
# outside) are built into build/tests/. Every `def test_<name>(d):` in root/test_*.py is one desktop scenario: the real
# larderwise on its own Xvfb display (tests/desktop/run_scenario.py), labelled
# "desktop"; scenarios marked @known_fault also carry the label "known_fault".
function(lw_add_desktop_tests root)
  add_executable(larderwise_drag_source ${CMAKE_SOURCE_DIR}/${root}/drag_source/DragSource.cpp)
  target_link_libraries(larderwise_drag_source PRIVATE larderwise_framework)
  target_include_directories(larderwise_drag_source PRIVATE ${CMAKE_SOURCE_DIR})
  set_target_properties(larderwise_drag_source PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  file(GLOB scenario_files CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${root}/test_*.py)
  foreach(file ${scenario_files})
    get_filename_component(stem ${file} NAME_WE)
    string(REGEX REPLACE "^test_" "" group ${stem})
    file(STRINGS ${file} lines REGEX "^(def test_[A-Za-z0-9_]+|@known_fault)")
    set(marked FALSE)
    foreach(line ${lines})
      if(line MATCHES "^@known_fault")
        set(marked TRUE)
        continue()
      endif()
      string(REGEX REPLACE "^def (test_[A-Za-z0-9_]+).*" "\\1" function "${line}")
      string(REGEX REPLACE "^test_" "" short ${function})
      set(name desktop.${group}.${short})
      add_test(NAME ${name}
               COMMAND /usr/bin/python3 ${CMAKE_SOURCE_DIR}/${root}/run_scenario.py ${file} ${function}
                       ${CMAKE_BINARY_DIR}/Testing/desktop/${group}.${short})
      set(labels desktop)
      if(marked)
        list(APPEND labels known_fault)
      endif()
      set_tests_properties(${name} PROPERTIES LABELS "${labels}" TIMEOUT 180
        ENVIRONMENT "LARDERWISE_SOURCE_DIR=${CMAKE_SOURCE_DIR};LARDERWISE_BUILD_DIR=${CMAKE_BINARY_DIR}")
      set(marked FALSE)
    endforeach()
  endforeach()
endfunction()

# lw_add_fuzz_target(name QT module... SOURCES glob...)
# A libFuzzer program built straight from the sources with clang++ (the rest
# of the build may use another compiler), into build/fuzz/<name>. The globs
# are relative to the source root. Run it from there: ./build/fuzz/<name>
# fuzz/corpus/<corpus>.
function(lw_add_fuzz_target name)
  cmake_parse_arguments(ARG "" "" "QT;SOURCES" ${ARGN})
  set(sources "")
  foreach(pattern ${ARG_SOURCES})
    file(GLOB found CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${pattern})
    list(APPEND sources ${found})
  endforeach()
  file(GLOB_RECURSE headers CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/framework/*.h ${CMAKE_SOURCE_DIR}/prefs/*.h)
  set(qt_flags "")
  foreach(module ${ARG_QT})
    get_target_property(includes Qt6::${module} INTERFACE_INCLUDE_DIRECTORIES)
    foreach(dir ${includes})
      list(APPEND qt_flags -I${dir})
    endforeach()
    list(APPEND qt_flags $<TARGET_LINKER_FILE:Qt6::${module}>)
  endforeach()
  set(output ${CMAKE_BINARY_DIR}/fuzz/${name})
  add_custom_command(OUTPUT ${output}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/fuzz
    COMMAND ${LARDERWISE_CLANGXX} -std=c++20 -g -O1 -fsanitize=fuzzer,address,undefined -fPIC
            -I${CMAKE_SOURCE_DIR} ${sources} ${qt_flags} -o ${output}
    DEPENDS ${sources} ${headers}
    COMMENT "Building fuzz target ${name} with clang"
    COMMAND_EXPAND_LISTS VERBATIM)
  add_custom_target(${name} ALL DEPENDS ${output})
endfunction()
