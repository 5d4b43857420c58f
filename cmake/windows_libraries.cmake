# The libraries of the Windows build, built here from source so that nothing prebuilt
# comes from elsewhere: migemo from Debian's cmigemo source package (unpacked by
# scripts/fetch-source into VOSTEK_WINDOWS_SOURCES), GoogleTest from Debian's googletest
# package sources.

set(VOSTEK_WINDOWS_SOURCES "" CACHE PATH "Where scripts/fetch-source unpacked the source packages")
set(MIGEMO_SOURCE_DIR ${VOSTEK_WINDOWS_SOURCES}/cmigemo/src)
if(NOT EXISTS ${MIGEMO_SOURCE_DIR}/migemo.c)
  message(FATAL_ERROR "No cmigemo sources at ${MIGEMO_SOURCE_DIR}; build with make windows")
endif()
add_library(migemo STATIC
  ${MIGEMO_SOURCE_DIR}/charset.c ${MIGEMO_SOURCE_DIR}/filename.c ${MIGEMO_SOURCE_DIR}/migemo.c
  ${MIGEMO_SOURCE_DIR}/mnode.c ${MIGEMO_SOURCE_DIR}/romaji.c ${MIGEMO_SOURCE_DIR}/rxgen.c
  ${MIGEMO_SOURCE_DIR}/wordbuf.c ${MIGEMO_SOURCE_DIR}/wordlist.c)
target_include_directories(migemo INTERFACE ${MIGEMO_SOURCE_DIR})
target_compile_options(migemo PRIVATE -w)  # not ours to clean up
set(MIGEMO_LIBRARY migemo)
set(MIGEMO_INCLUDE_DIR ${MIGEMO_SOURCE_DIR})

# PCRE2 from Debian's pcre2 source package: the 8-bit library alone, with its JIT, under
# the name the Linux build gets from pkg-config.
set(PCRE2_SOURCE_DIR ${VOSTEK_WINDOWS_SOURCES}/pcre2)
if(NOT EXISTS ${PCRE2_SOURCE_DIR}/src/pcre2_compile.c)
  message(FATAL_ERROR "No pcre2 sources at ${PCRE2_SOURCE_DIR}; build with make windows")
endif()
foreach(option PCRE2_BUILD_PCRE2GREP PCRE2_BUILD_TESTS BUILD_SHARED_LIBS PCRE2_SUPPORT_LIBZ
               PCRE2_SUPPORT_LIBBZ2 PCRE2_SUPPORT_LIBREADLINE PCRE2_SUPPORT_LIBEDIT)
  set(${option} OFF CACHE BOOL "" FORCE)
endforeach()
set(PCRE2_SUPPORT_JIT ON CACHE BOOL "" FORCE)
add_subdirectory(${PCRE2_SOURCE_DIR} ${CMAKE_BINARY_DIR}/pcre2 EXCLUDE_FROM_ALL)
add_library(PkgConfig::PCRE2 ALIAS pcre2-8-static)

# One self-contained program: the C++ runtime and threads linked in.
add_link_options(-static)
add_compile_definitions(UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601)

if(VOSTEK_TESTS)
  set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
  foreach(library gtest gtest_main gmock gmock_main)
    target_compile_options(${library} PRIVATE -w)  # not ours to clean up either
  endforeach()
endif()
