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

# brivant_test_environment(<variable> [WINDOWS])
# The environment of a test: HOME and the XDG folders pointed into the build
# tree, so that nothing ever touches the real home, and the fixtures and the
# shipped data.  WINDOWS tests run on Qt's offscreen platform.
function(brivant_test_environment variable)
  cmake_parse_arguments(ARG "WINDOWS" "" "" ${ARGN})
  set(home "${CMAKE_BINARY_DIR}/test-home")
  set(env "HOME=${home}" "XDG_DATA_HOME=${home}/data" "XDG_CONFIG_HOME=${home}/config" "XDG_STATE_HOME=${home}/state"
          "BRIVANT_FIXTURES_DIR=${BRIVANT_FIXTURES_DIR}" "BRIVANT_DATA_DIR=${BRIVANT_DATA_DIR}")
  if(ARG_WINDOWS)
    list(APPEND env "QT_QPA_PLATFORM=offscreen")
  endif()
  set(${variable} "${env}" PARENT_SCOPE)
endfunction()

# brivant_test_folder(<folder> LIBS <libs...> [WINDOWS] [SCREEN_TESTS <gtest filter>])
# Builds every tests/<folder>/*.cpp into one GoogleTest program and registers
# each test case with ctest, in the environment of brivant_test_environment.
# The tests SCREEN_TESTS selects are left to brivant_screen_test, which runs
# them on the screens they are written for.
function(brivant_test_folder name)
  cmake_parse_arguments(ARG "WINDOWS" "DIR;SCREEN_TESTS" "LIBS" ${ARGN})
  if(NOT ARG_DIR)
    set(ARG_DIR "${CMAKE_CURRENT_SOURCE_DIR}/${name}")
  endif()
  file(GLOB sources CONFIGURE_DEPENDS "${ARG_DIR}/*.cpp")
  if(NOT sources)
    return()
  endif()
  set(target ${name}_tests)
  string(REPLACE "/" "_" target "${target}")
  add_executable(${target} ${sources})
  if(ARG_WINDOWS)
    target_link_libraries(${target} PRIVATE brivant_test_support_qt ${ARG_LIBS})
  else()
    target_link_libraries(${target} PRIVATE brivant_test_support ${ARG_LIBS})
  endif()
  if(ARG_WINDOWS)
    brivant_test_environment(env WINDOWS)
  else()
    brivant_test_environment(env)
  endif()
  set(filter "")
  if(ARG_SCREEN_TESTS)
    set(filter TEST_FILTER "-${ARG_SCREEN_TESTS}")
  endif()
  gtest_discover_tests(${target} ${filter}
    DISCOVERY_MODE PRE_TEST
    DISCOVERY_TIMEOUT 60
    PROPERTIES ENVIRONMENT "${env}" TIMEOUT 300)
endfunction()

# brivant_screen_test(<name> PROGRAM <target> FILTER <gtest filter> SCREEN <width> <height> SCALE <factor>)
# Runs the tests of a window-test program that FILTER selects once more, on an
# offscreen screen of width x height pixels with Qt's scale factor set
# (QT_SCALE_FACTOR, which only counts when it is set before the program
# starts): ctest test <name>.
function(brivant_screen_test name)
  cmake_parse_arguments(ARG "" "PROGRAM;FILTER;SCALE" "SCREEN" ${ARGN})
  list(GET ARG_SCREEN 0 width)
  list(GET ARG_SCREEN 1 height)
  brivant_test_environment(env)
  brivant_offscreen_screen(platform ${width} ${height})
  list(APPEND env "QT_QPA_PLATFORM=${platform}" "QT_SCALE_FACTOR=${ARG_SCALE}")
  add_test(NAME ${name} COMMAND ${ARG_PROGRAM} "--gtest_filter=${ARG_FILTER}")
  set_tests_properties(${name} PROPERTIES ENVIRONMENT "${env}" TIMEOUT 300)
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
  set_target_properties(${target} PROPERTIES AUTOMOC OFF)
  target_link_libraries(${target} PRIVATE ${ARG_LIBRARY})
  string(REPLACE "." "\\." header "${ARG_FORBIDDEN}")
  add_test(NAME layering.${name} COMMAND "${CMAKE_COMMAND}" --build "${CMAKE_BINARY_DIR}" --target ${target})
  # GCC: "x.h: No such file or directory"; Clang: "'x.h' file not found".
  set_tests_properties(layering.${name} PROPERTIES
    PASS_REGULAR_EXPRESSION "${header}'?:? *(No such file or directory|file not found)"
    RESOURCE_LOCK brivant_build_tree
    TIMEOUT 300)
endfunction()
