# SPDX-License-Identifier: GPL-3.0-or-later
# Cross-compiling for 64-bit Windows with Debian's MinGW-w64. The posix
# thread model: Qt needs std::thread, which the win32 model lacks.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(K510_MINGW x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${K510_MINGW}-gcc-posix)
set(CMAKE_CXX_COMPILER ${K510_MINGW}-g++-posix)
set(CMAKE_RC_COMPILER ${K510_MINGW}-windres)

# Libraries and headers only from the Windows side; programs (moc, rcc,
# lrelease) from the build machine.
list(APPEND CMAKE_FIND_ROOT_PATH /usr/${K510_MINGW})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
