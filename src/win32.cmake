# The Windows program: the same core under a native Win32 front end, beside the Qt one
# (app/win32, frame/win32, tray/win32, view/win32 over platform/windows).
#   vostek_win32   everything but the entry point, so that the test build reuses it
#   vostek.exe     the program; vostek-<version>-windows.zip the portable folder

add_library(vostek_win32 STATIC
  app/win32/about_dialog.cpp
  app/win32/vostek_app.cpp
  app/win32/win32_message_box.cpp
  frame/win32/main_frame.cpp
  frame/win32/win32_menus.cpp
  frame/win32/win32_toolbar.cpp
  platform/windows/shell_allocator.cpp
  platform/windows/shell_items.cpp
  platform/windows/shell_launch.cpp
  platform/windows/windows_shell.cpp
  tray/win32/hot_key.cpp
  tray/win32/hot_key_dialog.cpp
  tray/win32/show_at_cursor.cpp
  tray/win32/tray_icon.cpp
  view/win32/drop_target.cpp
  view/win32/item_popup_menu.cpp
  view/win32/text_dialog.cpp
  view/win32/vostek_view.cpp
  view/win32/win32_image_list.cpp)
target_link_libraries(vostek_win32 PUBLIC vostek_core comctl32 shell32 shlwapi ole32 oleaut32 uuid)

set(VOSTEK_WIN32_IMAGES ${CMAKE_BINARY_DIR}/images CACHE INTERNAL "The images of the resources")
file(GLOB VOSTEK_SVG_ICONS ${PROJECT_SOURCE_DIR}/resources/icons/*.svg)
add_custom_command(
  OUTPUT ${VOSTEK_WIN32_IMAGES}/toolbar.bmp ${VOSTEK_WIN32_IMAGES}/vostek.ico
  COMMAND ${PROJECT_SOURCE_DIR}/scripts/make-windows-images ${PROJECT_SOURCE_DIR}/resources/icons
          ${VOSTEK_WIN32_IMAGES}
  DEPENDS ${VOSTEK_SVG_ICONS} ${PROJECT_SOURCE_DIR}/scripts/make-windows-images)
set(VOSTEK_RC ${PROJECT_SOURCE_DIR}/resources/win32/vostek.rc CACHE INTERNAL "The resources")
set_source_files_properties(${VOSTEK_RC} PROPERTIES OBJECT_DEPENDS
  "${VOSTEK_WIN32_IMAGES}/toolbar.bmp;${VOSTEK_WIN32_IMAGES}/vostek.ico;${PROJECT_SOURCE_DIR}/resources/win32/vostek.manifest")

add_executable(vostek WIN32 app/win32/main.cpp ${VOSTEK_RC})
target_include_directories(vostek PRIVATE ${VOSTEK_WIN32_IMAGES})
target_link_libraries(vostek PRIVATE vostek_win32)
target_link_options(vostek PRIVATE -municode)
set_target_properties(vostek PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})

# The portable folder: the program and the dictionary beside it, with the licence
# notices of everything in it, zipped. The notices of what is linked in or shipped are
# Debian's own, from the packages the program and the dictionary are made from.
set(VOSTEK_PORTABLE ${CMAKE_BINARY_DIR}/portable/vostek)
set(VOSTEK_ZIP ${CMAKE_BINARY_DIR}/vostek-${PROJECT_VERSION}-windows.zip CACHE INTERNAL
    "The portable zip")
file(GLOB VOSTEK_DICTIONARY /usr/share/cmigemo/utf-8/*)
set(VOSTEK_NOTICES
  "${PROJECT_SOURCE_DIR}/LICENSE=LICENSE.txt"
  "${PROJECT_SOURCE_DIR}/resources/win32/NOTICE.txt=NOTICE.txt"
  "${VOSTEK_WINDOWS_SOURCES}/cmigemo/debian/copyright=licenses/cmigemo.txt"
  "${VOSTEK_WINDOWS_SOURCES}/pcre2/debian/copyright=licenses/pcre2.txt"
  "/usr/share/doc/mingw-w64-x86-64-dev/copyright=licenses/mingw-w64.txt"
  "/usr/share/doc/skkdic/copyright=licenses/migemo-dict.txt"
  "/usr/share/common-licenses/GPL-2=licenses/GPL-2.txt")
set(copy_notices)
set(notice_sources)
foreach(notice ${VOSTEK_NOTICES})
  string(REPLACE "=" ";" notice ${notice})
  list(GET notice 0 from)
  list(GET notice 1 to)
  if(NOT EXISTS ${from})
    message(FATAL_ERROR "No licence notice at ${from}")
  endif()
  list(APPEND copy_notices COMMAND ${CMAKE_COMMAND} -E copy ${from} ${VOSTEK_PORTABLE}/${to})
  list(APPEND notice_sources ${from})
endforeach()
add_custom_command(
  OUTPUT ${VOSTEK_ZIP}
  COMMAND ${CMAKE_COMMAND} -E rm -rf ${VOSTEK_PORTABLE} ${VOSTEK_ZIP}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${VOSTEK_PORTABLE}/dict ${VOSTEK_PORTABLE}/licenses
  COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:vostek> ${VOSTEK_PORTABLE}/
  COMMAND ${CMAKE_COMMAND} -E copy ${VOSTEK_DICTIONARY} ${VOSTEK_PORTABLE}/dict/
  ${copy_notices}
  COMMAND cd ${CMAKE_BINARY_DIR}/portable && zip -q -r ${VOSTEK_ZIP} vostek
  DEPENDS vostek ${VOSTEK_DICTIONARY} ${notice_sources})
add_custom_target(portable_zip ALL DEPENDS ${VOSTEK_ZIP})
