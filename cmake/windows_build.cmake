# The Windows cross build (cmake/mingw-w64-x86_64.cmake): the core, its GoogleTest
# programs, the demo generator and the command-line tool. Qt is not available to the
# cross compiler, so there are no windows here and the tool's subcommands that paint
# (certificates, statements, receipts) come from tools/cli/windows/, which points to the
# desktop program.

# Windows 7 and later: SetFileInformationByHandle and the wide file functions.
add_compile_definitions(_WIN32_WINNT=0x0601 WINVER=0x0601 UNICODE _UNICODE)
target_link_libraries(andel_core PUBLIC shell32)  # CommandLineToArgvW

# GoogleTest from Debian's source package (googletest), built by the cross compiler.
set(GOOGLETEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest sources")
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(gtest_disable_pthreads OFF CACHE BOOL "" FORCE)
add_subdirectory(${GOOGLETEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)

file(GLOB CLI_SOURCES CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/tools/cli/*.cpp)
list(FILTER CLI_SOURCES EXCLUDE REGEX "/(certificates_command|printed_documents_command|gui_application)\\.cpp$")
file(GLOB CLI_WINDOWS_SOURCES CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/tools/cli/windows/*.cpp)
add_executable(andelstipp-cli ${CLI_SOURCES} ${CLI_WINDOWS_SOURCES})
target_include_directories(andelstipp-cli PRIVATE ${PROJECT_SOURCE_DIR}/tools/cli)
target_link_libraries(andelstipp-cli PRIVATE andel_core)

file(GLOB DEMO_SOURCES CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/demo/*.cpp)
add_executable(andelstipp-demo ${DEMO_SOURCES})
target_link_libraries(andelstipp-demo PRIVATE andel_core)

if(BUILD_TESTING)
  include(GoogleTest)
  set(tests ${PROJECT_SOURCE_DIR}/tests)
  file(GLOB SUPPORT_SOURCES CONFIGURE_DEPENDS ${tests}/support/*.cpp)
  file(GLOB subsystems LIST_DIRECTORIES true RELATIVE ${tests} ${tests}/*)
  foreach(subsystem ${subsystems})
    file(GLOB sources CONFIGURE_DEPENDS ${tests}/${subsystem}/*_test.cpp)
    if(sources AND NOT subsystem STREQUAL "ui")
      add_executable(${subsystem}_tests ${sources} ${SUPPORT_SOURCES})
      target_include_directories(${subsystem}_tests PRIVATE ${tests})
      target_link_libraries(${subsystem}_tests PRIVATE andel_core GTest::gtest_main GTest::gmock)
      target_compile_definitions(${subsystem}_tests PRIVATE ANDEL_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
      # Listed under Wine when the tests run, not at every build.
      gtest_discover_tests(${subsystem}_tests DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 120)
    endif()
  endforeach()

  # The command-line tool's scripts, run against the .exe through Wine.
  file(GLOB cli_scripts CONFIGURE_DEPENDS ${tests}/cli/*_test.sh)
  foreach(script ${cli_scripts})
    get_filename_component(name ${script} NAME_WE)
    add_test(NAME windows_${name}
             COMMAND sh ${script} ${PROJECT_SOURCE_DIR}/scripts/wine-cli.sh)
    set_tests_properties(windows_${name} PROPERTIES
      ENVIRONMENT "ANDEL_WINDOWS_CLI=$<TARGET_FILE:andelstipp-cli>;WINEPREFIX=${CMAKE_BINARY_DIR}/wineprefix")
  endforeach()
endif()
