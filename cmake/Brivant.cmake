# Helpers shared by every folder of the project.

set(BRIVANT_DATA_DIR "${CMAKE_SOURCE_DIR}/data")
set(BRIVANT_FIXTURES_DIR "${CMAKE_SOURCE_DIR}/tests/fixtures")

# brivant_layer_include(<target> <folder>)
# Dependencies point one way, and the compiler says so: the code of a folder
# sees only its own folder and the folders it links.  build/include/<folder>
# holds one link, <folder>, to the source folder; a library puts that
# directory on its include path and passes it on to the libraries that link
# it.  An include of a folder above ("entry/..." from core/ui) then names no
# file and fails to compile.
function(brivant_layer_include target folder)
  set(root "${CMAKE_BINARY_DIR}/include/${folder}")
  if(NOT IS_SYMLINK "${root}/${folder}")
    file(MAKE_DIRECTORY "${root}")
    file(CREATE_LINK "${CMAKE_SOURCE_DIR}/${folder}" "${root}/${folder}" SYMBOLIC)
  endif()
  target_include_directories(${target} PUBLIC "${root}")
endfunction()

# brivant_close_qt_root()
# Qt's imported targets put the root of all of Qt's header folders on the
# include path, so that <QtWidgets/QWidget> (though not <QWidget>) would be
# found from a library that links QtCore alone.  Here every Qt module's target
# gets instead a folder of the build tree of its own, build/include/qt/QtX,
# that holds one link, QtX, to the module's headers: a library finds
# <QtX/...> only for the Qt modules it links.  Call it once every Qt module
# the project uses has been found.
function(brivant_close_qt_root)
  get_target_property(core_dirs Qt6::Core INTERFACE_INCLUDE_DIRECTORIES)
  set(root "")
  foreach(dir IN LISTS core_dirs)
    get_filename_component(name "${dir}" NAME)
    if(name STREQUAL "QtCore")
      get_filename_component(root "${dir}" DIRECTORY)
    endif()
  endforeach()
  if(NOT root)
    message(FATAL_ERROR "No QtCore header folder among ${core_dirs}")
  endif()
  get_directory_property(imported IMPORTED_TARGETS)
  foreach(target IN LISTS imported)
    if(NOT target MATCHES "^Qt6::")
      continue()
    endif()
    get_target_property(dirs ${target} INTERFACE_INCLUDE_DIRECTORIES)
    if(NOT dirs OR NOT "${root}" IN_LIST dirs)
      continue()
    endif()
    list(REMOVE_ITEM dirs "${root}")
    # The module's own header folder, QtX, stands first; a module without
    # one (Qt6::Platform) keeps only its other folders.
    get_target_property(module ${target} _qt_module_include_name)
    if(target STREQUAL "Qt6::GlobalConfig")
      set(module QtCore)
    endif()
    if(module)
      set(own "${CMAKE_BINARY_DIR}/include/qt/${module}")
      if(NOT IS_SYMLINK "${own}/${module}")
        file(MAKE_DIRECTORY "${own}")
        file(CREATE_LINK "${root}/${module}" "${own}/${module}" SYMBOLIC)
      endif()
      list(APPEND dirs "${own}")
    endif()
    set_property(TARGET ${target} PROPERTY INTERFACE_INCLUDE_DIRECTORIES "${dirs}")
  endforeach()
endfunction()

# Precompiled headers.  Parsing the standard and Qt headers takes two to
# three seconds of every file, more than most files take for themselves; each
# kind of library below gets them parsed once, in a precompiled header that
# all its libraries share (PRECOMPILE_HEADERS_REUSE_FROM).  Only headers of
# the modules a kind links are in it, so the layering holds: the logic's has
# no Qt Widgets.  -DBRIVANT_PCH=OFF builds without them.
set(BRIVANT_PCH_LOGIC <algorithm> <array> <charconv> <cstddef> <cstdint> <filesystem> <functional> <map>
                      <memory> <optional> <string> <string_view> <utility> <vector> <QByteArray> <QObject>
                      <QString> <QStringList>)
set(BRIVANT_PCH_WINDOWS ${BRIVANT_PCH_LOGIC} <QAction> <QComboBox> <QGridLayout> <QGroupBox> <QHBoxLayout>
                        <QKeyEvent> <QLabel> <QLineEdit> <QListWidget> <QMenu> <QPointer> <QPushButton> <QTimer>
                        <QVBoxLayout> <QWidget>)
set(BRIVANT_PCH_TESTS ${BRIVANT_PCH_LOGIC} <gmock/gmock.h> <gtest/gtest.h>)
set(BRIVANT_PCH_WINDOW_TESTS ${BRIVANT_PCH_WINDOWS} <QApplication> <QTest> <gmock/gmock.h> <gtest/gtest.h>)

# brivant_precompiled(<kind> LIBS <libraries...> HEADERS <headers...>)
# The precompiled header of one kind of library, built by a library of its
# own, brivant_pch_<kind>, that links LIBS (the Qt modules and GoogleTest the
# kind links, for the same macros and include path).
function(brivant_precompiled kind)
  cmake_parse_arguments(ARG "" "" "LIBS;HEADERS" ${ARGN})
  if(NOT BRIVANT_PCH OR TARGET brivant_pch_${kind})
    return()
  endif()
  set(source "${CMAKE_BINARY_DIR}/pch/${kind}.cpp")
  if(NOT EXISTS "${source}")
    file(WRITE "${source}" "// Builds the precompiled header of the ${kind} libraries.\n")
  endif()
  add_library(brivant_pch_${kind} OBJECT "${source}")
  set_target_properties(brivant_pch_${kind} PROPERTIES AUTOMOC OFF)
  target_link_libraries(brivant_pch_${kind} PRIVATE ${ARG_LIBS})
  target_precompile_headers(brivant_pch_${kind} PRIVATE ${ARG_HEADERS})
endfunction()

# brivant_use_precompiled(<target> <kind>)
function(brivant_use_precompiled target kind)
  if(BRIVANT_PCH)
    set_target_properties(${target} PROPERTIES PRECOMPILE_HEADERS_REUSE_FROM brivant_pch_${kind})
  endif()
endfunction()

# brivant_subsystem(<folder> DEPENDS <libraries...> [UI_DEPENDS <libraries...>])
# The folder's *.cpp files form the logic library brivant_<folder>, which
# links DEPENDS and never Qt Widgets (a widget include there fails to
# compile).  Its ui/*.cpp files form the windows library brivant_<folder>_ui,
# which links the logic library, the windows libraries of the folders DEPENDS
# names (and through them of every folder below), Qt Widgets and UI_DEPENDS
# (a Qt module only these windows use, for example).  List the folders in
# the order of the layers: core < entry < scoring < outputs < stats, cluster,
# labels < app.
function(brivant_subsystem folder)
  cmake_parse_arguments(ARG "" "" "DEPENDS;UI_DEPENDS" ${ARGN})
  file(GLOB logic_sources CONFIGURE_DEPENDS "${CMAKE_CURRENT_SOURCE_DIR}/*.cpp")
  file(GLOB logic_headers CONFIGURE_DEPENDS "${CMAKE_CURRENT_SOURCE_DIR}/*.h")
  add_library(brivant_${folder} STATIC ${logic_sources} ${logic_headers})
  brivant_layer_include(brivant_${folder} ${folder})
  brivant_use_precompiled(brivant_${folder} logic)
  target_link_libraries(brivant_${folder} PUBLIC ${ARG_DEPENDS})

  # The windows below: those that stand for each library DEPENDS names.
  set(windows_below "")
  foreach(dependency IN LISTS ARG_DEPENDS)
    get_property(windows GLOBAL PROPERTY BRIVANT_WINDOWS_OF_${dependency})
    list(APPEND windows_below ${windows})
  endforeach()
  list(REMOVE_DUPLICATES windows_below)

  file(GLOB ui_sources CONFIGURE_DEPENDS "${CMAKE_CURRENT_SOURCE_DIR}/ui/*.cpp")
  file(GLOB ui_headers CONFIGURE_DEPENDS "${CMAKE_CURRENT_SOURCE_DIR}/ui/*.h")
  if(ui_sources)
    add_library(brivant_${folder}_ui STATIC ${ui_sources} ${ui_headers})
    brivant_use_precompiled(brivant_${folder}_ui windows)
    target_link_libraries(brivant_${folder}_ui PUBLIC brivant_${folder} ${windows_below} Qt6::Widgets
                                                      ${ARG_UI_DEPENDS})
    set(windows_below brivant_${folder}_ui)
    set_property(GLOBAL APPEND PROPERTY BRIVANT_WINDOWS_LIBRARIES brivant_${folder}_ui)
  endif()
  # A folder above this one links these windows when it links this folder.
  set_property(GLOBAL PROPERTY BRIVANT_WINDOWS_OF_brivant_${folder} "${windows_below}")
endfunction()

# brivant_offscreen_screen(<variable> <width> <height>)
# Qt's offscreen platform with one screen of width x height pixels: writes its
# configuration into the build tree and sets <variable> to the QT_QPA_PLATFORM
# that names it.
function(brivant_offscreen_screen variable width height)
  set(file "${CMAKE_BINARY_DIR}/offscreen/screen-${width}x${height}.json")
  file(CONFIGURE OUTPUT "${file}" CONTENT "{\"screens\": [{\"name\": \"screen\", \"width\": ${width}, \"height\": ${height}}]}\n")
  set(${variable} "offscreen:configfile=${file}" PARENT_SCOPE)
endfunction()

# brivant_test_environment(<variable>)
# The environment of a test: HOME and the XDG folders pointed into the build
# tree, so that nothing ever touches the real home, and the fixtures and the
# shipped data.  Window tests run on Qt's offscreen platform unless the test
# names a platform (tests/support/qt/QtTestMain.cpp).
function(brivant_test_environment variable)
  set(home "${CMAKE_BINARY_DIR}/test-home")
  set(${variable} "HOME=${home}" "XDG_DATA_HOME=${home}/data" "XDG_CONFIG_HOME=${home}/config"
      "XDG_STATE_HOME=${home}/state" "BRIVANT_FIXTURES_DIR=${BRIVANT_FIXTURES_DIR}" "BRIVANT_DATA_DIR=${BRIVANT_DATA_DIR}"
      PARENT_SCOPE)
endfunction()

# brivant_test_program(<name> DIRS <folders...> LIBS <libs...> [WINDOWS] [SCREEN_TESTS <gtest filter>])
# Builds every tests/<folder>/*.cpp of the folders DIRS names into one
# GoogleTest program, <name>_tests, and registers each test case with ctest
# (each runs in a process of its own), in the environment of
# brivant_test_environment.  The screenshot suites of WINDOWS programs
# (Screenshots*) carry the label "slow-screenshots": the quick loop leaves
# them out (ctest -LE slow), scripts/screenshots.sh runs them (-L
# screenshots).  The tests SCREEN_TESTS selects are left to
# brivant_screen_test, which runs them on the screens they are written for.
function(brivant_test_program name)
  cmake_parse_arguments(ARG "WINDOWS" "SCREEN_TESTS" "DIRS;LIBS" ${ARGN})
  set(sources "")
  foreach(dir IN LISTS ARG_DIRS)
    file(GLOB dir_sources CONFIGURE_DEPENDS "${CMAKE_CURRENT_SOURCE_DIR}/${dir}/*.cpp")
    list(APPEND sources ${dir_sources})
  endforeach()
  if(NOT sources)
    return()
  endif()
  set(target ${name}_tests)
  add_executable(${target} ${sources})
  if(ARG_WINDOWS)
    target_link_libraries(${target} PRIVATE brivant_test_support_qt ${ARG_LIBS})
    # A program of its own precompiled header (the macros of Qt Test).
    if(BRIVANT_PCH)
      target_precompile_headers(${target} PRIVATE ${BRIVANT_PCH_WINDOW_TESTS})
    endif()
  else()
    target_link_libraries(${target} PRIVATE brivant_test_support ${ARG_LIBS})
    brivant_use_precompiled(${target} tests)
  endif()
  brivant_test_environment(env)
  # gtest_discover_tests (CMake 3.25) flattens its PROPERTIES into one list,
  # so a list value such as ENVIRONMENT keeps only its first item: the
  # environment is given by the program's launcher instead, which runs the
  # listing of the tests as well as each test.
  set_property(TARGET ${target} PROPERTY CROSSCOMPILING_EMULATOR "${CMAKE_COMMAND}" -E env ${env})
  set(excluded "")
  if(ARG_SCREEN_TESTS)
    set(excluded ":${ARG_SCREEN_TESTS}")
  endif()
  if(ARG_WINDOWS)
    gtest_discover_tests(${target}
      TEST_FILTER "Screenshots*"
      DISCOVERY_MODE PRE_TEST
      DISCOVERY_TIMEOUT 60
      PROPERTIES TIMEOUT 300 LABELS slow-screenshots)
    set(filter "-Screenshots*${excluded}")
  elseif(excluded)
    set(filter "-${ARG_SCREEN_TESTS}")
  else()
    set(filter "*")
  endif()
  gtest_discover_tests(${target}
    TEST_FILTER "${filter}"
    DISCOVERY_MODE PRE_TEST
    DISCOVERY_TIMEOUT 60
    PROPERTIES TIMEOUT 300)
endfunction()

# brivant_test_folder(<folder> LIBS <libs...>)
# The tests of a folder's logic, tests/<folder>/*.cpp, as one program
# <folder>_tests (see brivant_test_program).
function(brivant_test_folder name)
  cmake_parse_arguments(ARG "" "" "LIBS" ${ARGN})
  brivant_test_program(${name} DIRS ${name} LIBS ${ARG_LIBS})
endfunction()

# brivant_screen_test(<name> PROGRAM <target> FILTER <gtest filter> SCREEN <width> <height> SCALE <factor>)
# Runs the tests of a window-test program that FILTER selects once more, on an
# offscreen screen of width x height pixels with Qt's scale factor set
# (QT_SCALE_FACTOR, which only counts when it is set before the program
# starts): ctest test <name>, labelled "slow-screenshots" as it saves
# the pictures of every window.
function(brivant_screen_test name)
  cmake_parse_arguments(ARG "" "PROGRAM;FILTER;SCALE" "SCREEN" ${ARGN})
  list(GET ARG_SCREEN 0 width)
  list(GET ARG_SCREEN 1 height)
  brivant_test_environment(env)
  brivant_offscreen_screen(platform ${width} ${height})
  list(APPEND env "QT_QPA_PLATFORM=${platform}" "QT_SCALE_FACTOR=${ARG_SCALE}")
  add_test(NAME ${name} COMMAND ${ARG_PROGRAM} "--gtest_filter=${ARG_FILTER}")
  set_tests_properties(${name} PROPERTIES ENVIRONMENT "${env}" TIMEOUT 300 LABELS slow-screenshots)
endfunction()

# brivant_layering_check(<name> LIBRARY <library> SOURCE <file> FORBIDDEN <header>)
# A ctest test that builds SOURCE as a library above LIBRARY would be built
# (with its include path and nothing more) and passes only when the compiler
# stops at FORBIDDEN, a header of a folder above: the proof that an upward
# include fails to build.  SOURCE includes a header of LIBRARY's own folder
# first, so that a broken include path cannot pass for the check.
function(brivant_layering_check name)
  cmake_parse_arguments(ARG "" "LIBRARY;SOURCE;FORBIDDEN" "" ${ARGN})
  set(target brivant_layering_${name})
  add_library(${target} OBJECT EXCLUDE_FROM_ALL "${ARG_SOURCE}")
  set_target_properties(${target} PROPERTIES AUTOMOC OFF UNITY_BUILD OFF)
  target_link_libraries(${target} PRIVATE ${ARG_LIBRARY})
  string(REPLACE "." "\\." header "${ARG_FORBIDDEN}")
  add_test(NAME layering.${name} COMMAND "${CMAKE_COMMAND}" --build "${CMAKE_BINARY_DIR}" --target ${target})
  # GCC: "x.h: No such file or directory"; Clang: "'x.h' file not found".
  # They run the build (its up-to-date check first): "slow", left out of the
  # quick loop (ctest -LE slow).
  set_tests_properties(layering.${name} PROPERTIES
    PASS_REGULAR_EXPRESSION "${header}'?:? *(No such file or directory|file not found)"
    RESOURCE_LOCK brivant_build_tree
    LABELS "slow;layering"
    TIMEOUT 300)
endfunction()
