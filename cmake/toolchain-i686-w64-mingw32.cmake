# Cross toolchain: 32-bit Windows with mingw-w64 (built and checked, not run). The posix thread model gives the C++
# threading library (GoogleTest needs std::mutex); -static links winpthreads in.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)
set(COLVANE_TRIPLE i686-w64-mingw32)
set(CMAKE_C_COMPILER   ${COLVANE_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${COLVANE_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER  ${COLVANE_TRIPLE}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${COLVANE_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
