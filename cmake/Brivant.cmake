# Helpers shared by every folder of the project.

set(BRIVANT_DATA_DIR "${CMAKE_SOURCE_DIR}/data")
set(BRIVANT_FIXTURES_DIR "${CMAKE_SOURCE_DIR}/tests/fixtures")

# Every window of every subsystem goes into one library, so that Main can open
# the windows of the other folders without a dependency cycle between targets.
add_library(brivant_windows STATIC)
target_link_libraries(brivant_windows PUBLIC Qt6::Widgets Qt6::PrintSupport)

# brivant_subsystem(<folder> DEPENDS <libs...>)
# The folder's *.cpp files form the logic library brivant_<folder>, which must
# not see Qt Widgets; the folder's ui/*.cpp files are added to brivant_windows.
function(brivant_subsystem folder)
  cmake_parse_arguments(ARG "" "" "DEPENDS" ${ARGN})
  file(GLOB logic_sources CONFIGURE_DEPENDS "${CMAKE_CURRENT_SOURCE_DIR}/*.cpp")
  file(GLOB logic_headers CONFIGURE_DEPENDS "${CMAKE_CURRENT_SOURCE_DIR}/*.h")
  add_library(brivant_${folder} STATIC ${logic_sources} ${logic_headers})
  target_include_directories(brivant_${folder} PUBLIC "${CMAKE_SOURCE_DIR}")
  target_link_libraries(brivant_${folder} PUBLIC ${ARG_DEPENDS})
  file(GLOB ui_sources CONFIGURE_DEPENDS "${CMAKE_CURRENT_SOURCE_DIR}/ui/*.cpp")
  file(GLOB ui_headers CONFIGURE_DEPENDS "${CMAKE_CURRENT_SOURCE_DIR}/ui/*.h")
  if(ui_sources)
    target_sources(brivant_windows PRIVATE ${ui_sources} ${ui_headers})
  endif()
  target_link_libraries(brivant_windows PUBLIC brivant_${folder})
endfunction()

# brivant_test_folder(<folder> LIBS <libs...> [WINDOWS])
# Builds every tests/<folder>/*.cpp into one GoogleTest program and registers
# each test case with ctest.  WINDOWS tests run on Qt's offscreen platform.
# Every test runs with HOME and the XDG folders pointed into the build tree, so
# nothing ever touches the real home.
function(brivant_test_folder name)
  cmake_parse_arguments(ARG "WINDOWS" "DIR" "LIBS" ${ARGN})
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
  set(home "${CMAKE_BINARY_DIR}/test-home")
  set(env "HOME=${home}" "XDG_DATA_HOME=${home}/data" "XDG_CONFIG_HOME=${home}/config"
          "BRIVANT_FIXTURES_DIR=${BRIVANT_FIXTURES_DIR}" "BRIVANT_DATA_DIR=${BRIVANT_DATA_DIR}")
  if(ARG_WINDOWS)
    list(APPEND env "QT_QPA_PLATFORM=offscreen")
  endif()
  gtest_discover_tests(${target}
    DISCOVERY_MODE PRE_TEST
    DISCOVERY_TIMEOUT 60
    PROPERTIES ENVIRONMENT "${env}" TIMEOUT 300)
endfunction()
