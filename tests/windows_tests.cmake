# The Windows build's tests, run under Wine (scripts/wine-run): the core's unit tests,
# less those that exercise POSIX file semantics, with the Windows file operations'
# own tests in their place; and the end-to-end run of vostek.exe.

file(GLOB WINDOWS_CORE_TESTS CONFIGURE_DEPENDS
  store/*_test.cpp search/*_test.cpp view/*_test.cpp app/*_test.cpp platform/windows/*_test.cpp)
list(FILTER WINDOWS_CORE_TESTS EXCLUDE REGEX
  "/(store/atomic_file|store/whole_file|store/collection_file|app/settings)_test\\.cpp$")
list(FILTER TEST_SUPPORT EXCLUDE REGEX "/(scoped_env|scoped_file_size_limit)\\.cpp$")

add_executable(core_tests ${WINDOWS_CORE_TESTS} ${TEST_SUPPORT})
target_include_directories(core_tests PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(core_tests PRIVATE vostek_core GTest::gtest_main GTest::gmock)
target_compile_definitions(core_tests PRIVATE
  VOSTEK_SOURCE_DIR="${PROJECT_SOURCE_DIR}" VOSTEK_BINARY_DIR="${CMAKE_BINARY_DIR}")
# One process for the whole suite: Wine's start-up would dominate one per case.
add_test(NAME core_tests COMMAND core_tests --gtest_brief=1)
