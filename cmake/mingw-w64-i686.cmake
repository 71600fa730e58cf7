# Cross-build for 32-bit Windows with Debian's g++-mingw-w64-i686.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86)

set(PELVORO_MINGW_PREFIX i686-w64-mingw32)
find_program(PELVORO_MINGW_CC NAMES ${PELVORO_MINGW_PREFIX}-gcc-win32 REQUIRED)
set(CMAKE_C_COMPILER ${PELVORO_MINGW_CC})
# The win32 thread model: nothing here needs std::thread, and the posix one
# brings a threads runtime that imports functions Windows XP does not have.
find_program(PELVORO_MINGW_CXX NAMES ${PELVORO_MINGW_PREFIX}-g++-win32 REQUIRED)
set(CMAKE_CXX_COMPILER ${PELVORO_MINGW_CXX})
set(CMAKE_RC_COMPILER ${PELVORO_MINGW_PREFIX}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${PELVORO_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
