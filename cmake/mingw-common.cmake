# What both mingw-w64 toolchains share; the including file sets COLVANE_TRIPLE first.
# The posix thread model gives the C++ threading library (GoogleTest needs std::mutex);
# -static links winpthreads in, so no runtime DLL ships.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_C_COMPILER   ${COLVANE_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${COLVANE_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER  ${COLVANE_TRIPLE}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${COLVANE_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
