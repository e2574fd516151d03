# Build helpers shared by every module. Includes are written from the repository root:
#   #include "colvane/canvas/canvas_image.h"
# Files that include <windows.h> end in _win (for example canvas_bitmap_win.cpp) and are
# only built for Windows; every other file is pure and builds natively too.

if(CMAKE_SYSTEM_NAME STREQUAL "Windows")
  set(COLVANE_WINDOWS ON)
else()
  set(COLVANE_WINDOWS OFF)
endif()
if(COLVANE_WINDOWS AND CMAKE_SYSTEM_PROCESSOR STREQUAL "x86_64")
  set(COLVANE_RUNS_HERE ON)   # the 64-bit Windows build runs under wine64
else()
  set(COLVANE_RUNS_HERE OFF)
endif()

if(NOT CMAKE_BUILD_TYPE)
  set(CMAKE_BUILD_TYPE RelWithDebInfo)
endif()

add_compile_options(-Wall -Wextra -Wno-unused-parameter)

if(COLVANE_WINDOWS)
  add_compile_definitions(WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601 WINVER=0x0601)
  # No runtime DLLs to ship: libgcc and libstdc++ are linked in.
  add_link_options(-static -static-libgcc -static-libstdc++)
elseif(COLVANE_FUZZ)
  add_compile_options(-fsanitize=address,undefined,fuzzer-no-link -fno-omit-frame-pointer -g)
  add_link_options(-fsanitize=address,undefined)
elseif(COLVANE_SANITIZE AND NOT COLVANE_BENCH)
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()

# ---- libraries ---------------------------------------------------------------------------

# A pure static library: built in every kind of build.
function(colvane_pure_library name)
  cmake_parse_arguments(A "" "" "SOURCES;LIBS" ${ARGN})
  add_library(${name} STATIC ${A_SOURCES})
  target_include_directories(${name} PUBLIC ${CMAKE_SOURCE_DIR})
  if(A_LIBS)
    target_link_libraries(${name} PUBLIC ${A_LIBS})
  endif()
endfunction()

# A DLL whose exports are listed in DEF. The .def in the tree names each WINAPI export with
# its 32-bit stack size (Name@8); on i686 --kill-at exports it undecorated while the import
# library keeps the decorated symbol callers use, on x86-64 the decoration is stripped.
function(colvane_dll name)
  if(NOT COLVANE_WINDOWS)
    return()
  endif()
  cmake_parse_arguments(A "" "DEF" "SOURCES;LIBS" ${ARGN})
  file(READ ${A_DEF} def_text)
  if(CMAKE_SYSTEM_PROCESSOR STREQUAL "x86_64")
    string(REGEX REPLACE "@[0-9]+" "" def_text "${def_text}")
  endif()
  set(def_out ${CMAKE_CURRENT_BINARY_DIR}/${name}.def)
  file(GENERATE OUTPUT ${def_out} CONTENT "${def_text}")
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${A_DEF})
  add_library(${name} SHARED ${A_SOURCES} ${def_out})
  set_target_properties(${name} PROPERTIES PREFIX "" OUTPUT_NAME ${name}
                        RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
  target_include_directories(${name} PUBLIC ${CMAKE_SOURCE_DIR})
  target_link_options(${name} PRIVATE -Wl,--kill-at)
  if(NOT CMAKE_SYSTEM_PROCESSOR STREQUAL "x86_64")
    # ld's own import library would name the undecorated exports; callers compiled against
    # the WINAPI prototypes look for Name@N, which dlltool -k maps onto the undecorated names.
    add_custom_command(TARGET ${name} POST_BUILD
      COMMAND ${COLVANE_TRIPLE}-dlltool -d ${def_out} -D ${name}.dll -k -l $<TARGET_LINKER_FILE:${name}>
      VERBATIM)
  endif()
  if(A_LIBS)
    target_link_libraries(${name} PRIVATE ${A_LIBS})
  endif()
  set_property(GLOBAL APPEND PROPERTY COLVANE_DLLS ${name})
endfunction()

# ---- tests --------------------------------------------------------------------------------

if(COLVANE_TESTS)
  if(COLVANE_WINDOWS)
    if(COLVANE_RUNS_HERE AND NOT TARGET gtest)
      set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
      set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
      set(gtest_disable_pthreads ON CACHE BOOL "" FORCE)
      add_subdirectory(/usr/src/googletest/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
    endif()
  elseif(NOT COLVANE_FUZZ AND NOT COLVANE_BENCH)
    find_package(GTest REQUIRED)
  endif()
endif()

# A native GoogleTest executable: one ctest entry.
function(colvane_native_test name)
  if(COLVANE_WINDOWS OR COLVANE_FUZZ OR COLVANE_BENCH OR NOT COLVANE_TESTS)
    return()
  endif()
  cmake_parse_arguments(A "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${A_SOURCES})
  target_link_libraries(${name} PRIVATE ${A_LIBS} GTest::gtest GTest::gtest_main)
  target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR})
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES LABELS native
                       ENVIRONMENT "COLVANE_SOURCE_DIR=${CMAKE_SOURCE_DIR}")
endfunction()

# A GoogleTest executable run under Wine on the Xvfb screen SCREEN (WxHxDepth): one ctest
# entry. WIN32EXE builds a GUI-subsystem program (the tests still print to stdout).
# DLLS lists DLL targets copied next to the test; DATA lists files copied there too.
function(colvane_wine_test name)
  if(NOT COLVANE_RUNS_HERE OR NOT COLVANE_TESTS)
    return()
  endif()
  cmake_parse_arguments(A "" "SCREEN;TIMEOUT" "SOURCES;LIBS;DLLS" ${ARGN})
  if(NOT A_SCREEN)
    set(A_SCREEN 1024x768x24)
  endif()
  if(NOT A_TIMEOUT)
    set(A_TIMEOUT 300)
  endif()
  add_executable(${name} ${A_SOURCES})
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
  target_link_libraries(${name} PRIVATE ${A_LIBS} gtest gtest_main)
  target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR})
  foreach(dll ${A_DLLS})
    add_dependencies(${name} ${dll})
  endforeach()
  add_test(NAME ${name} COMMAND ${name})
  # Tests of one screen share its display (the end-to-end scripts take the lock "screen1024"
  # too), and several write the layout file beside them in bin/.
  string(REGEX MATCH "^[0-9]+" screen_width ${A_SCREEN})
  set_tests_properties(${name} PROPERTIES LABELS wine TIMEOUT ${A_TIMEOUT}
    RESOURCE_LOCK "screen${screen_width};build_bin"
    WORKING_DIRECTORY ${CMAKE_BINARY_DIR}/bin
    ENVIRONMENT "COLVANE_SCREEN=${A_SCREEN};COLVANE_TIMEOUT=${A_TIMEOUT};COLVANE_SOURCE_DIR=${CMAKE_SOURCE_DIR};COLVANE_BUILD_DIR=${CMAKE_BINARY_DIR};COLVANE_STAGE_DIR=${COLVANE_STAGE_DIR}")
endfunction()

# A fuzz target: a libFuzzer binary in the fuzz build (a short run over its corpus is a test),
# and a replayer of the committed corpus in the native and 64-bit Windows builds.
function(colvane_fuzz_target name)
  cmake_parse_arguments(A "" "CORPUS;SECONDS" "SOURCES;LIBS" ${ARGN})
  if(NOT A_SECONDS)
    set(A_SECONDS 20)
  endif()
  if(COLVANE_BENCH)
    return()
  endif()
  if(COLVANE_FUZZ)
    add_executable(${name} ${A_SOURCES})
    target_link_libraries(${name} PRIVATE ${A_LIBS})
    target_link_options(${name} PRIVATE -fsanitize=fuzzer)
    add_test(NAME ${name}
             COMMAND ${CMAKE_SOURCE_DIR}/scripts/fuzz-run $<TARGET_FILE:${name}> ${A_CORPUS} ${A_SECONDS})
    set_tests_properties(${name} PROPERTIES LABELS fuzz TIMEOUT 300)
  elseif(COLVANE_TESTS AND (NOT COLVANE_WINDOWS OR COLVANE_RUNS_HERE))
    add_executable(${name}_replay ${A_SOURCES} ${CMAKE_SOURCE_DIR}/fuzz/replay_main.cpp)
    target_link_libraries(${name}_replay PRIVATE ${A_LIBS})
    if(COLVANE_WINDOWS)
      set_target_properties(${name}_replay PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
      add_test(NAME ${name}_replay COMMAND ${name}_replay Z:${A_CORPUS})
      set_tests_properties(${name}_replay PROPERTIES LABELS wine
        ENVIRONMENT "COLVANE_SCREEN=1024x768x24")
    else()
      add_test(NAME ${name}_replay COMMAND ${name}_replay ${A_CORPUS})
      set_tests_properties(${name}_replay PROPERTIES LABELS native)
    endif()
  endif()
endfunction()

# A Google Benchmark executable (bench build only).
function(colvane_bench name)
  if(NOT COLVANE_BENCH)
    return()
  endif()
  cmake_parse_arguments(A "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${A_SOURCES})
  target_link_libraries(${name} PRIVATE ${A_LIBS} benchmark::benchmark benchmark::benchmark_main)
  target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR})
endfunction()

# Where the staged program folder goes (scripts/build passes out/x64/Colvane, out/x86/Colvane).
set(COLVANE_STAGE_DIR "${CMAKE_BINARY_DIR}/Colvane" CACHE PATH "Ready-to-run program folder")

# A module folder of the program: its pure .cpp files become the static library <name>_core
# (built natively too), its *_win.cpp files the static library <name>_win (Windows only). A
# module's Win32 layer links only the modules below it (WIN_LIBS), so a call upwards fails to
# link. The program's entry (*_entry_win.cpp) and resource scripts belong to the executable.
function(colvane_module name)
  cmake_parse_arguments(A "" "" "CORE_LIBS;WIN_LIBS" ${ARGN})
  file(GLOB all_src CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  file(GLOB win_src CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*_win.cpp)
  file(GLOB entry_src CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*_entry_win.cpp)
  set(pure_src ${all_src})
  if(win_src)
    list(REMOVE_ITEM pure_src ${win_src})
  endif()
  if(entry_src)
    list(REMOVE_ITEM win_src ${entry_src})
  endif()
  if(pure_src)
    colvane_pure_library(${name}_core SOURCES ${pure_src} LIBS ${A_CORE_LIBS})
  endif()
  if(COLVANE_WINDOWS AND win_src)
    add_library(${name}_win STATIC ${win_src})
    target_include_directories(${name}_win PUBLIC ${CMAKE_SOURCE_DIR} ${COLVANE_ASSET_DIR}/res)
    if(pure_src)
      target_link_libraries(${name}_win PUBLIC ${name}_core)
    endif()
    target_link_libraries(${name}_win PUBLIC ${A_WIN_LIBS})
  endif()
endfunction()
