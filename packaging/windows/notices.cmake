# Writes the one licence file that goes with the Windows program: the terms of the static Qt,
# of the third-party code inside it, and of the MinGW-w64 runtime, taken from the very
# sources and packages the program was built from.
# cmake -D QT_PREFIX=<static Qt> -D VERSION=<program version> -D OUT=<file> -P notices.cmake
foreach(var QT_PREFIX VERSION OUT)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "notices.cmake needs -D ${var}=...")
  endif()
endforeach()
set(licenses "${QT_PREFIX}/licenses")
file(READ "${QT_PREFIX}/.source-version" qt_source_version)
string(STRIP "${qt_source_version}" qt_source_version)
string(REGEX MATCH "^[0-9.]+" qt_version "${qt_source_version}")

set(rule "================================================================================")
set(text "french-test ${VERSION} for Windows: licences of the software inside french-test.exe

french-test.exe is one file: the Qt ${qt_version} toolkit, the third-party code that Qt
carries, and the C and C++ runtime of the MinGW-w64 compiler are linked into it statically.
Their licences follow.

Qt is used under the GNU Lesser General Public License version 3 (below).
- The Qt source used is Debian's source package qtbase-opensource-src, version
  ${qt_source_version} (Debian 12 \"bookworm\", main), that is Qt ${qt_version} with Debian's
  patches. On Debian 12 it is fetched with:
      apt-get source qtbase-opensource-src=${qt_source_version}
  and Debian's source archives keep every published version.
- To relink french-test against another build of Qt: the complete source of french-test and
  the command that builds it (tools/windows.sh, which also builds this Qt from the source
  above) are in the program's source repository, from which this file was made. Configure
  the build with CMAKE_PREFIX_PATH pointing at your Qt to use a modified one.

")

macro(add_section title)
  string(APPEND text "${rule}\n${title}\n${rule}\n\n")
endmacro()
macro(add_file path)
  if(NOT EXISTS "${path}")
    message(FATAL_ERROR "licence file missing: ${path}")
  endif()
  file(READ "${path}" content)
  string(APPEND text "${content}\n")
endmacro()

add_section("Qt ${qt_version}: GNU Lesser General Public License version 3")
add_file("${licenses}/LICENSE.LGPL3")
add_section("GNU General Public License version 3 (to which the LGPL above refers)")
add_file("${licenses}/LICENSE.GPL3")

# What Qt Core, Qt Gui and Qt Widgets carry into a static Windows program, as Qt's own
# attribution records describe it (name, version, licence, copyright), each with its licence text.
set(parts freetype harfbuzz-ng libjpeg libpng pcre2 zlib double-conversion md4c easing
          tinycbor sha3 rfc6234 md4 md5 sha1 icc)
foreach(part ${parts})
  set(dir "${licenses}/src/3rdparty/${part}")
  if(NOT EXISTS "${dir}/qt_attribution.json")
    message(FATAL_ERROR "no attribution record for ${part} in ${dir}")
  endif()
  add_section("Inside Qt: ${part}")
  add_file("${dir}/qt_attribution.json")
  file(GLOB licence_files LIST_DIRECTORIES false "${dir}/*")
  list(SORT licence_files)
  foreach(licence ${licence_files})
    get_filename_component(name "${licence}" NAME)
    if(NOT name STREQUAL "qt_attribution.json")
      string(APPEND text "--- ${name} ---\n")
      add_file("${licence}")
    endif()
  endforeach()
endforeach()

add_section("MinGW-w64 runtime (CRT, winpthreads): Debian's copyright record of mingw-w64-x86-64-dev")
add_file("/usr/share/doc/mingw-w64-x86-64-dev/copyright")
add_section("GCC runtime (libgcc, libstdc++), GPL 3 with the GCC Runtime Library Exception: Debian's copyright record of gcc-mingw-w64-base")
add_file("/usr/share/doc/gcc-mingw-w64-base/copyright")

# Notepad on older Windows wants CR LF.
string(REPLACE "\r\n" "\n" text "${text}")
string(REPLACE "\n" "\r\n" text "${text}")
file(WRITE "${OUT}" "${text}")
