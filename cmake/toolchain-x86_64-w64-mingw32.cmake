# Cross toolchain: 64-bit Windows with mingw-w64 (runs here under wine64). The posix thread model gives the C++
# threading library (GoogleTest needs std::mutex); -static links winpthreads in.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(COLVANE_TRIPLE x86_64-w64-mingw32)
set(CMAKE_C_COMPILER   ${COLVANE_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${COLVANE_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER  ${COLVANE_TRIPLE}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${COLVANE_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-run)
