# The Windows build's tests, run under Wine (scripts/wine-run): the core's unit tests,
# less those that exercise POSIX file semantics, with the Windows file operations'
# own tests in their place; and the end-to-end run of vostek.exe.

set(WINDOWS_CORE_TESTS ${CORE_TESTS}
  platform/windows/files_test.cpp
  platform/windows/foreign_id_list_test.cpp)
list(REMOVE_ITEM WINDOWS_CORE_TESTS
  store/whole_file_test.cpp store/collection_file_test.cpp app/settings_test.cpp)
list(REMOVE_ITEM TEST_SUPPORT support/scoped_env.cpp support/scoped_file_size_limit.cpp)

add_executable(core_tests ${WINDOWS_CORE_TESTS} ${TEST_SUPPORT})
target_include_directories(core_tests PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(core_tests PRIVATE vostek_core PkgConfig::PCRE2 GTest::gtest_main GTest::gmock)
target_compile_definitions(core_tests PRIVATE
  VOSTEK_SOURCE_DIR="${PROJECT_SOURCE_DIR}" VOSTEK_BINARY_DIR="${CMAKE_BINARY_DIR}")
# One process for the whole suite: Wine's start-up would dominate one per case.
add_test(NAME core_tests COMMAND core_tests --gtest_brief=1)

# The Windows front end's own wiring (command routing, keys, the hot-key and the tray),
# driven in the test's thread through the program's message handling.
add_executable(win32_tests
  frame/win32/command_routing_test.cpp
  frame/win32/frame_size_test.cpp
  tray/win32/hot_key_test.cpp
  view/win32/search_keys_test.cpp
  ${TEST_SUPPORT} ${VOSTEK_RC})
target_include_directories(win32_tests PRIVATE ${CMAKE_CURRENT_SOURCE_DIR} ${VOSTEK_WIN32_IMAGES})
target_link_libraries(win32_tests PRIVATE vostek_win32 GTest::gtest_main)
add_dependencies(win32_tests vostek)  # the images the resources take
# Windows are made, so Wine needs a display: one of its own, as the end-to-end run has.
find_program(XVFB_RUN xvfb-run REQUIRED)
add_test(NAME win32_tests
         COMMAND ${XVFB_RUN} -a -s "-screen 0 1024x768x24" ${PROJECT_SOURCE_DIR}/scripts/wine-run
                 $<TARGET_FILE:win32_tests> --gtest_brief=1)
set_tests_properties(win32_tests PROPERTIES TIMEOUT 600)

# The program with a probe the end-to-end run reads, and that run itself.
add_executable(vostek_probe WIN32 ${PROJECT_SOURCE_DIR}/src/app/win32/main.cpp
  app/win32/program_probe.cpp ${VOSTEK_RC})
target_include_directories(vostek_probe PRIVATE ${VOSTEK_WIN32_IMAGES})
target_link_libraries(vostek_probe PRIVATE vostek_win32)
target_link_options(vostek_probe PRIVATE -municode)
add_dependencies(vostek_probe vostek)  # the images the resources take

find_program(PYTHON3 python3 REQUIRED)
add_test(NAME program_under_wine
         COMMAND ${PYTHON3} ${CMAKE_CURRENT_SOURCE_DIR}/app/win32/program_under_wine.py)
set_tests_properties(program_under_wine PROPERTIES LABELS e2e TIMEOUT 300 ENVIRONMENT
  "VOSTEK_PROBE_EXE=$<TARGET_FILE:vostek_probe>;VOSTEK_WINE_RUN=${PROJECT_SOURCE_DIR}/scripts/wine-run;PYTHONDONTWRITEBYTECODE=1")

# The portable zip holds the licence notices of all it ships.
add_test(NAME windows_zip COMMAND ${PYTHON3} ${CMAKE_CURRENT_SOURCE_DIR}/resources/windows_zip.py)
set_tests_properties(windows_zip PROPERTIES ENVIRONMENT
  "VOSTEK_ZIP=${VOSTEK_ZIP};PYTHONDONTWRITEBYTECODE=1")
