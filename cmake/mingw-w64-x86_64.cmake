# SPDX-License-Identifier: GPL-3.0-or-later
# Cross-builds for 64-bit Windows with Debian's MinGW-w64 compilers (the posix
# thread model, so std::thread and std::mutex work), e.g.
#   cmake -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
#         -DCMAKE_PREFIX_PATH="$(scripts/windows-toolchain | tail -1)" -DQT_HOST_PATH=/usr ...
# Windows libraries and headers come from /usr/x86_64-w64-mingw32 and from the
# prefixes given in CMAKE_PREFIX_PATH (the static Qt and GoogleTest that
# scripts/windows-toolchain builds); programs (moc, rcc, uic) always come from
# this Linux host.

set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(_dialnote_mingw x86_64-w64-mingw32)

find_program(DIALNOTE_MINGW_CC NAMES ${_dialnote_mingw}-gcc-posix NO_CMAKE_FIND_ROOT_PATH REQUIRED)
find_program(DIALNOTE_MINGW_CXX NAMES ${_dialnote_mingw}-g++-posix NO_CMAKE_FIND_ROOT_PATH REQUIRED)
find_program(DIALNOTE_MINGW_WINDRES NAMES ${_dialnote_mingw}-windres NO_CMAKE_FIND_ROOT_PATH REQUIRED)
find_program(DIALNOTE_MINGW_AR NAMES ${_dialnote_mingw}-ar NO_CMAKE_FIND_ROOT_PATH REQUIRED)
find_program(DIALNOTE_MINGW_RANLIB NAMES ${_dialnote_mingw}-ranlib NO_CMAKE_FIND_ROOT_PATH REQUIRED)

set(CMAKE_C_COMPILER "${DIALNOTE_MINGW_CC}")
set(CMAKE_CXX_COMPILER "${DIALNOTE_MINGW_CXX}")
set(CMAKE_RC_COMPILER "${DIALNOTE_MINGW_WINDRES}")
set(CMAKE_AR "${DIALNOTE_MINGW_AR}" CACHE FILEPATH "MinGW-w64 archiver")
set(CMAKE_RANLIB "${DIALNOTE_MINGW_RANLIB}" CACHE FILEPATH "MinGW-w64 ranlib")

# Search the MinGW sysroot, plus every prefix named in CMAKE_PREFIX_PATH as it
# is (a prefix that is itself a root is not re-rooted under the sysroot).
list(APPEND CMAKE_FIND_ROOT_PATH "/usr/${_dialnote_mingw}")
foreach(_dialnote_prefix IN LISTS CMAKE_PREFIX_PATH)
  list(APPEND CMAKE_FIND_ROOT_PATH "${_dialnote_prefix}")
endforeach()
list(REMOVE_DUPLICATES CMAKE_FIND_ROOT_PATH)

set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
