# Cross toolchain: 32-bit Windows with mingw-w64 (built and checked, not run).
set(CMAKE_SYSTEM_PROCESSOR i686)
set(COLVANE_TRIPLE i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
