# SPDX-License-Identifier: GPL-3.0-or-later
# Project-wide compiler settings, carried by an interface target so that only
# the project's own targets get them (never Qt's or GoogleTest's headers).

add_library(dialnote_options INTERFACE)
add_library(Dialnote::options ALIAS dialnote_options)

if(CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
  target_compile_options(dialnote_options INTERFACE
    -Wall -Wextra -Wpedantic -Wconversion -Wshadow)
  if(DIALNOTE_WARNINGS_AS_ERRORS)
    target_compile_options(dialnote_options INTERFACE -Werror)
  endif()
elseif(MSVC)
  target_compile_options(dialnote_options INTERFACE /W4 /utf-8)
  if(DIALNOTE_WARNINGS_AS_ERRORS)
    target_compile_options(dialnote_options INTERFACE /WX)
  endif()
endif()

if(DIALNOTE_SANITIZE)
  if(NOT CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
    message(FATAL_ERROR "DIALNOTE_SANITIZE needs GCC or Clang")
  endif()
  list(JOIN DIALNOTE_SANITIZE "," _dialnote_sanitizers)
  target_compile_options(dialnote_options INTERFACE
    -fsanitize=${_dialnote_sanitizers} -fno-omit-frame-pointer -fno-sanitize-recover=all)
  target_link_options(dialnote_options INTERFACE -fsanitize=${_dialnote_sanitizers})
endif()

# On Linux the programs get the hardening that Debian's packages get from
# dpkg-buildflags (bookworm, with hardening=+all): position-independent
# executables, a strong stack protector, checked string and memory functions,
# read-only relocations and immediate binding. So what the tests run is what
# the package ships. Fortify needs optimisation, and the sanitizers check those
# functions themselves.
if(CMAKE_SYSTEM_NAME STREQUAL "Linux" AND CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
  set(CMAKE_POSITION_INDEPENDENT_CODE ON)
  include(CheckPIESupported)
  check_pie_supported()
  target_compile_options(dialnote_options INTERFACE
    -fstack-protector-strong -Wformat -Werror=format-security)
  if(NOT DIALNOTE_SANITIZE)
    target_compile_definitions(dialnote_options INTERFACE
      $<$<CONFIG:Release,RelWithDebInfo,MinSizeRel>:_FORTIFY_SOURCE=2>)
  endif()
  target_link_options(dialnote_options INTERFACE LINKER:-z,relro LINKER:-z,now)
endif()

# The Windows build is one executable that needs no DLL but the system's:
# the C++ runtime, libgcc and winpthread are linked in, every function and
# datum gets a section of its own, and the linker drops those nothing uses.
if(MINGW)
  target_compile_options(dialnote_options INTERFACE -ffunction-sections -fdata-sections)
  target_link_options(dialnote_options INTERFACE -static -Wl,--gc-sections)
  target_link_options(dialnote_options INTERFACE $<$<CONFIG:MinSizeRel,Release>:-s>)
endif()
