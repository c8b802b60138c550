# Lomvex.exe: the viewer, a Windows GUI program.
add_library(lomvex_main_window_win32 STATIC
  main_window/gdi_printer_win32.cpp
  main_window/help_window_win32.cpp
  main_window/main_window_controls_win32.cpp
  main_window/main_window_win32.cpp
  main_window/open_file_dialog_win32.cpp
  main_window/program_files_win32.cpp
)
target_include_directories(lomvex_main_window_win32 PUBLIC ${CMAKE_CURRENT_SOURCE_DIR}/main_window)
target_link_libraries(lomvex_main_window_win32 PUBLIC
  lomvex_main_window_core lomvex_tray_win32 comctl32 comdlg32 gdi32 user32 shell32)

set(LOMVEX_RESOURCES ${CMAKE_CURRENT_SOURCE_DIR}/resources/lomvex.rc)
set_property(SOURCE ${LOMVEX_RESOURCES} APPEND PROPERTY OBJECT_DEPENDS
  ${CMAKE_CURRENT_SOURCE_DIR}/resources/viewer_strings.inc
  ${CMAKE_CURRENT_SOURCE_DIR}/resources/viewer_ids.h
  ${CMAKE_CURRENT_SOURCE_DIR}/resources/lomvex.exe.manifest
  ${CMAKE_CURRENT_SOURCE_DIR}/resources/help/lomvex_help.txt)
file(GLOB LOMVEX_IMAGES ${CMAKE_CURRENT_SOURCE_DIR}/resources/images/*.ico)
set_property(SOURCE ${LOMVEX_RESOURCES} APPEND PROPERTY OBJECT_DEPENDS ${LOMVEX_IMAGES})

add_executable(Lomvex WIN32 main_window/lomvex_main_win32.cpp ${LOMVEX_RESOURCES})
target_link_libraries(Lomvex PRIVATE lomvex_main_window_win32)
set_target_properties(Lomvex PROPERTIES OUTPUT_NAME Lomvex RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
