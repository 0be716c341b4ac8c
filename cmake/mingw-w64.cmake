# Cross-compiles for 64-bit Windows with Debian's mingw-w64, the posix thread model (std::thread
# needs it). TELQOR_WINDOWS_PREFIX names the folder holding the libraries built for the target
# (scripts/windows.sh makes it); packages and libraries are looked up there only.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(triple x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${triple}-gcc-posix)
set(CMAKE_CXX_COMPILER ${triple}-g++-posix)
set(CMAKE_RC_COMPILER ${triple}-windres)
set(CMAKE_AR ${triple}-ar CACHE FILEPATH "")
set(CMAKE_RANLIB ${triple}-ranlib CACHE FILEPATH "")

set(CMAKE_FIND_ROOT_PATH /usr/${triple})
if(DEFINED ENV{TELQOR_WINDOWS_PREFIX})
  set(TELQOR_WINDOWS_PREFIX $ENV{TELQOR_WINDOWS_PREFIX} CACHE PATH "Libraries built for Windows")
endif()
# Qt built for Windows, in a folder of its own (scripts/windows.sh --gui).
if(TELQOR_WINDOWS_QT)
  list(PREPEND CMAKE_FIND_ROOT_PATH ${TELQOR_WINDOWS_QT})
endif()
if(TELQOR_WINDOWS_PREFIX)
  list(PREPEND CMAKE_FIND_ROOT_PATH ${TELQOR_WINDOWS_PREFIX})
  # pkg-config must not answer with the build machine's libraries.
  set(ENV{PKG_CONFIG_LIBDIR} ${TELQOR_WINDOWS_PREFIX}/lib/pkgconfig)
  set(ENV{PKG_CONFIG_SYSROOT_DIR} "")
endif()
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# The command-line programs carry the compiler's runtime (libstdc++, libgcc, winpthread), so a
# bare .exe runs. Programs over Qt's DLLs share the DLLs' runtime instead (copied beside them):
# one C++ runtime in a process, not two.
option(TELQOR_WINDOWS_STATIC_RUNTIME "Link the compiler's runtime into each .exe" ON)
if(TELQOR_WINDOWS_STATIC_RUNTIME)
  set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
endif()
# Tests run the .exe files under Wine from the build machine.
set(CMAKE_CROSSCOMPILING_EMULATOR wine64)
