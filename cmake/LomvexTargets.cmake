# Settings shared by every target of the project.
add_library(lomvex_options INTERFACE)
if(MSVC)
  target_compile_options(lomvex_options INTERFACE /W4)
else()
  target_compile_options(lomvex_options INTERFACE -Wall -Wextra -Wno-unused-parameter)
  if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
    # GCC 12 reports false overlaps in inlined std::string appends.
    target_compile_options(lomvex_options INTERFACE -Wno-restrict)
  endif()
endif()
if(WIN32)
  # The system works in the single-byte code page: the A functions, no UNICODE.
  target_compile_definitions(lomvex_options INTERFACE
    WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601 WINVER=0x0601 _WIN32_IE=0x0600)
endif()
if(LOMVEX_SANITIZE)
  target_compile_options(lomvex_options INTERFACE
    -fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
  target_link_options(lomvex_options INTERFACE -fsanitize=address,undefined)
endif()

# Wine runs the x86_64 Windows programs; the runner owns a private prefix in the build tree.
if(CMAKE_CROSSCOMPILING AND LOMVEX_WINE_RUNNABLE)
  set(LOMVEX_WINEPREFIX ${CMAKE_BINARY_DIR}/wineprefix)
  configure_file(${CMAKE_SOURCE_DIR}/cmake/wine-run.sh.in ${CMAKE_BINARY_DIR}/wine-run @ONLY
                 FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
                                  WORLD_READ WORLD_EXECUTE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_BINARY_DIR}/wine-run)
  set(LOMVEX_WINE_RUN ${CMAKE_BINARY_DIR}/wine-run)
endif()
