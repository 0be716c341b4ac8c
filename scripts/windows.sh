#!/usr/bin/env bash
# Builds the engine, telqor-cli.exe and telqor_tests.exe for 64-bit Windows with mingw-w64, in
# build-windows/; with --test, runs the tests under Wine. With --gui, builds Qt's base modules for
# Windows and the program telqor.exe, and puts a folder to copy to a Windows machine together:
# build-windows-gui/Telqor/, made anew each time and never run in (with --run, the program is
# started under Wine from build-windows-gui/Telqor-run/, a copy whose settings and data stay
# from one run to the next). --installer also makes the setup program with NSIS:
# build-windows-gui/Telqor-<version>-setup.exe.
#   scripts/windows.sh [--test [GTEST ARGS]] | --gui [--run] | --installer
# The libraries built for Windows (PCRE2, liblzma, zlib, libzip, expat, libxlsxwriter, GoogleTest,
# Qt) and ICU's headers live in a cache outside the repository, made once from Debian's source
# packages and rebuilt only when missing: ${TELQOR_WINDOWS_CACHE:-$HOME/.cache/telqor-windows}.
# Needs root (or sudo) when packages or the source lines are missing.
set -euo pipefail
cd "$(dirname "$0")/.."
repo=$PWD
test=false
gui=false
run_gui=false
installer=false
case "${1:-}" in
  --test) test=true ;;
  --gui)
    gui=true
    [[ ${2:-} == --run ]] && run_gui=true
    ;;
  --installer)
    gui=true
    installer=true
    ;;
  "") ;;
  *)
    echo "usage: $0 [--test [GTEST ARGS]] | --gui [--run] | --installer" >&2
    exit 2
    ;;
esac

cache=${TELQOR_WINDOWS_CACHE:-$HOME/.cache/telqor-windows}
prefix=$cache/prefix
triple=x86_64-w64-mingw32
jobs=$(nproc 2>/dev/null || echo 2)
((jobs > 2)) && jobs=2
mkdir -p "$cache/sources" "$prefix"

run=()
if [[ $(id -u) -ne 0 ]]; then
  command -v sudo >/dev/null && run=(sudo)
fi

# ---- Packages and source lines ----------------------------------------------------------------
packages=(g++-mingw-w64-x86-64-posix wine64 cmake ninja-build dpkg-dev pkg-config libgtest-dev libcli11-dev locales)
# Qt for Windows is built with the build machine's Qt tools (moc, uic, rcc) and ships Qt's own
# Chinese texts; the program is tried on a virtual screen.
$gui && packages+=(qt6-base-dev qt6-base-dev-tools qt6-translations-l10n xvfb xauth fonts-wqy-microhei)
$installer && packages+=(nsis)
missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$p")
done
updated=false
if ! grep -rqsE '^(Types:.*deb-src|deb-src .*debian\.org/debian/? )' /etc/apt/sources.list /etc/apt/sources.list.d/; then
  echo "Enabling Debian's source packages (/etc/apt/sources.list.d/debian-src.sources)"
  codename=$(. /etc/os-release && echo "$VERSION_CODENAME")
  printf 'Types: deb-src\nURIs: http://deb.debian.org/debian\nSuites: %s %s-updates\nComponents: main\nSigned-By: /usr/share/keyrings/debian-archive-keyring.gpg\n' \
    "$codename" "$codename" | "${run[@]}" tee /etc/apt/sources.list.d/debian-src.sources >/dev/null
  "${run[@]}" apt-get -o DPkg::Lock::Timeout=900 update -q
  updated=true
fi
if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  # Another apt-get at work (an unattended upgrade, say) holds the lock: wait for it.
  $updated || "${run[@]}" apt-get -o DPkg::Lock::Timeout=900 update -q
  "${run[@]}" apt-get -o DPkg::Lock::Timeout=900 install -y -q --no-install-recommends "${missing[@]}"
fi

# ---- Libraries for the target, once -----------------------------------------------------------
# fetch SOURCE: unpacks Debian's source package SOURCE into $cache/sources/SOURCE-*/, echoes it.
fetch() {
  local dir
  dir=$(find "$cache/sources" -maxdepth 1 -type d -name "$1-[0-9]*" | head -n 1)
  if [[ -z $dir ]]; then
    (cd "$cache/sources" && apt-get source -q "$1" >&2)
    dir=$(find "$cache/sources" -maxdepth 1 -type d -name "$1-[0-9]*" | head -n 1)
  fi
  echo "$dir"
}

if [[ ! -f $prefix/lib/libpcre2-8.a ]]; then
  echo "Building PCRE2 for Windows"
  src=$(fetch pcre2)
  rm -rf "$cache/build/pcre2" && mkdir -p "$cache/build/pcre2"
  (cd "$cache/build/pcre2" &&
    "$src/configure" -q --host=$triple --prefix="$prefix" --disable-shared --enable-static \
      --enable-pcre2-8 --disable-pcre2-16 --disable-pcre2-32 --enable-jit \
      --disable-pcre2grep-libz --disable-pcre2grep-libbz2 &&
    make -s -j"$jobs" libpcre2-8.la &&
    make -s install-libLTLIBRARIES install-nodist_includeHEADERS install-pkgconfigDATA)
fi

if [[ ! -f $prefix/lib/liblzma.a ]]; then
  echo "Building liblzma (xz-utils) for Windows"
  src=$(fetch xz-utils)
  rm -rf "$cache/build/xz" && mkdir -p "$cache/build/xz"
  (cd "$cache/build/xz" &&
    "$src/configure" -q --host=$triple --prefix="$prefix" --disable-shared --enable-static \
      --disable-xz --disable-xzdec --disable-lzmadec --disable-lzmainfo --disable-lzma-links \
      --disable-scripts --disable-doc --disable-nls &&
    make -s -j"$jobs" -C src/liblzma &&
    make -s -C src/liblzma install)
fi

# Office documents are ZIP archives of XML: zlib, libzip and expat, all static, none of their
# tools, and no encryption back end (the reading needs none).
if [[ ! -f $prefix/lib/libz.a ]]; then
  echo "Building zlib for Windows"
  src=$(fetch zlib)
  # Debian's source leaves out zlib's own Windows makefiles: its few sources are compiled here.
  rm -rf "$cache/build/zlib" && mkdir -p "$cache/build/zlib" "$prefix/include" "$prefix/lib/pkgconfig"
  (cd "$cache/build/zlib" &&
    for c in "$src"/{adler32,compress,crc32,deflate,gzclose,gzlib,gzread,gzwrite,infback,inffast,inflate,inftrees,trees,uncompr,zutil}.c; do
      ${triple}-gcc-posix -O2 -c "$c" -o "$(basename "$c" .c).o"
    done &&
    ${triple}-ar rcs libz.a ./*.o)
  cp "$src"/zlib.h "$src"/zconf.h "$prefix/include/"
  cp "$cache/build/zlib/libz.a" "$prefix/lib/"
  printf 'prefix=%s\nlibdir=${prefix}/lib\nincludedir=${prefix}/include\n\nName: zlib\nDescription: zlib\nVersion: %s\nLibs: -L${libdir} -lz\nCflags: -I${includedir}\n' \
    "$prefix" "$(sed -n 's/^#define ZLIB_VERSION "\(.*\)"/\1/p' "$src/zlib.h")" >"$prefix/lib/pkgconfig/zlib.pc"
fi

if [[ ! -f $prefix/lib/libzip.a ]]; then
  echo "Building libzip for Windows"
  src=$(fetch libzip)
  cmake -S "$src" -B "$cache/build/libzip" -G Ninja -Wno-dev \
    -DCMAKE_TOOLCHAIN_FILE="$repo/cmake/mingw-w64.cmake" -DTELQOR_WINDOWS_PREFIX="$prefix" \
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefix" -DBUILD_SHARED_LIBS=OFF \
    -DENABLE_COMMONCRYPTO=OFF -DENABLE_GNUTLS=OFF -DENABLE_MBEDTLS=OFF -DENABLE_OPENSSL=OFF \
    -DENABLE_WINDOWS_CRYPTO=OFF -DENABLE_BZIP2=OFF -DENABLE_LZMA=OFF -DENABLE_ZSTD=OFF \
    -DBUILD_TOOLS=OFF -DBUILD_REGRESS=OFF -DBUILD_EXAMPLES=OFF -DBUILD_DOC=OFF >/dev/null
  cmake --build "$cache/build/libzip" -j "$jobs"
  cmake --install "$cache/build/libzip" >/dev/null
fi

if [[ ! -f $prefix/lib/libexpat.a ]]; then
  echo "Building expat for Windows"
  src=$(fetch expat)
  [[ -f $src/expat/CMakeLists.txt ]] && src=$src/expat
  cmake -S "$src" -B "$cache/build/expat" -G Ninja -Wno-dev \
    -DCMAKE_TOOLCHAIN_FILE="$repo/cmake/mingw-w64.cmake" -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_INSTALL_PREFIX="$prefix" -DEXPAT_SHARED_LIBS=OFF -DEXPAT_BUILD_TOOLS=OFF \
    -DEXPAT_BUILD_EXAMPLES=OFF -DEXPAT_BUILD_TESTS=OFF -DEXPAT_BUILD_DOCS=OFF -DEXPAT_BUILD_FUZZERS=OFF >/dev/null
  # Debian's patches test "XML_DTD == 1", as its own configure defines it; CMake defines it empty.
  sed -i 's/^#define XML_DTD$/#define XML_DTD 1/' "$cache/build/expat/expat_config.h"
  cmake --build "$cache/build/expat" -j "$jobs"
  cmake --install "$cache/build/expat" >/dev/null
fi

# Workbooks are written by libxlsxwriter, static, over the zlib above, with the zip writer and
# the temporary files it bundles (third_party/minizip, third_party/tmpfileplus) built in. It
# opens files with the C library's narrow calls (the ANSI code page); the engine names them so.
if [[ ! -f $prefix/lib/libxlsxwriter.a ]]; then
  echo "Building libxlsxwriter for Windows"
  src=$(fetch libxlsxwriter)
  cmake -S "$src" -B "$cache/build/libxlsxwriter" -G Ninja -Wno-dev \
    -DCMAKE_TOOLCHAIN_FILE="$repo/cmake/mingw-w64.cmake" -DTELQOR_WINDOWS_PREFIX="$prefix" \
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefix" -DBUILD_SHARED_LIBS=OFF \
    -DUSE_SYSTEM_MINIZIP=OFF -DUSE_STANDARD_TMPFILE=OFF -DBUILD_TESTS=OFF -DBUILD_EXAMPLES=OFF >/dev/null
  cmake --build "$cache/build/libxlsxwriter" -j "$jobs"
  cmake --install "$cache/build/libxlsxwriter" >/dev/null
fi

# Office files encrypted with the default password are decrypted with nettle (AES, RC4, SHA-1,
# SHA-512, MD5), static, without its public-key half (which would need GMP).
if [[ ! -f $prefix/lib/libnettle.a ]]; then
  echo "Building nettle for Windows"
  src=$(fetch nettle)
  rm -rf "$cache/build/nettle" && mkdir -p "$cache/build/nettle"
  (cd "$cache/build/nettle" &&
    "$src/configure" -q --host=$triple --prefix="$prefix" --libdir="$prefix/lib" --disable-shared \
      --enable-static --disable-public-key --disable-documentation --disable-openssl --disable-assembler &&
    make -s -j"$jobs" libnettle.a &&
    make -s install-headers &&
    # Its install-static and install-pkgconfig would run autoheader (Debian's patches touch
    # configure.ac): the library and its pkg-config file are copied instead.
    cp libnettle.a "$prefix/lib/" && mkdir -p "$prefix/lib/pkgconfig" && cp nettle.pc "$prefix/lib/pkgconfig/")
fi

# PDF files are read by poppler's pdftotext, shipped beside the programs: poppler over FreeType
# (static, no PNG, HarfBuzz, BZip2 or Brotli), with Windows' own fonts, no JPEG 2000, colour
# management, network or cairo, and its bundled JPEG decoder.
if [[ ! -f $prefix/lib/libfreetype.a ]]; then
  echo "Building FreeType for Windows"
  src=$(fetch freetype)
  cmake -S "$src" -B "$cache/build/freetype" -G Ninja -Wno-dev \
    -DCMAKE_TOOLCHAIN_FILE="$repo/cmake/mingw-w64.cmake" -DTELQOR_WINDOWS_PREFIX="$prefix" \
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefix" -DBUILD_SHARED_LIBS=OFF \
    -DFT_DISABLE_ZLIB=ON -DFT_DISABLE_BZIP2=ON -DFT_DISABLE_PNG=ON -DFT_DISABLE_HARFBUZZ=ON \
    -DFT_DISABLE_BROTLI=ON >/dev/null
  cmake --build "$cache/build/freetype" -j "$jobs"
  cmake --install "$cache/build/freetype" >/dev/null
fi

if [[ ! -f $prefix/bin/pdftotext.exe ]]; then
  echo "Building poppler's pdftotext for Windows (about ten minutes)"
  src=$(fetch poppler)
  cmake -S "$src" -B "$cache/build/poppler" -G Ninja -Wno-dev \
    -DCMAKE_TOOLCHAIN_FILE="$repo/cmake/mingw-w64.cmake" -DTELQOR_WINDOWS_PREFIX="$prefix" \
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefix" -DBUILD_SHARED_LIBS=OFF \
    -DFONT_CONFIGURATION=win32 -DENABLE_UTILS=ON -DENABLE_CPP=OFF -DENABLE_GLIB=OFF \
    -DENABLE_GOBJECT_INTROSPECTION=OFF -DENABLE_QT5=OFF -DENABLE_QT6=OFF -DENABLE_BOOST=OFF \
    -DENABLE_LIBOPENJPEG=none -DENABLE_CMS=none -DENABLE_DCTDECODER=unmaintained \
    -DENABLE_LIBCURL=OFF -DENABLE_ZLIB=OFF -DENABLE_NSS3=OFF -DENABLE_GPGME=OFF \
    -DWITH_Cairo=OFF -DWITH_JPEG=OFF -DWITH_PNG=OFF -DWITH_TIFF=OFF -DWITH_NSS3=OFF \
    -DRUN_GPERF_IF_PRESENT=OFF -DBUILD_GTK_TESTS=OFF -DBUILD_QT5_TESTS=OFF -DBUILD_QT6_TESTS=OFF \
    -DBUILD_CPP_TESTS=OFF -DBUILD_MANUAL_TESTS=OFF >/dev/null
  cmake --build "$cache/build/poppler" -j "$jobs" --target pdftotext
  mkdir -p "$prefix/bin"
  cp "$cache/build/poppler/utils/pdftotext.exe" "$prefix/bin/"
  "${triple}-strip" --strip-unneeded "$prefix/bin/pdftotext.exe"
fi

# Windows decodes GBK with the system's code page 936; of ICU the engine uses only the UTF-8 and
# UTF-16 macros, which are headers alone: taken from ICU's source package, nothing linked.
if [[ ! -f $prefix/include/unicode/utf8.h ]]; then
  echo "Taking ICU's headers"
  rm -rf "$cache/build/icu" && mkdir -p "$cache/build/icu"
  (cd "$cache/build/icu" && apt-get source -q --download-only icu >&2 &&
    tar -xf "$(ls icu_*.orig.tar.?z)" --wildcards '*/source/common/unicode/*.h' &&
    mkdir -p "$prefix/include" && cp -r ./*/source/common/unicode "$prefix/include/")
fi

if [[ ! -f $prefix/lib/libgtest.a ]]; then
  echo "Building GoogleTest for Windows"
  cmake -S /usr/src/googletest -B "$cache/build/googletest" -G Ninja -Wno-dev \
    -DCMAKE_TOOLCHAIN_FILE="$repo/cmake/mingw-w64.cmake" -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_INSTALL_PREFIX="$prefix" -DBUILD_GMOCK=ON -DINSTALL_GTEST=ON >/dev/null
  cmake --build "$cache/build/googletest" -j "$jobs"
  cmake --install "$cache/build/googletest" >/dev/null
fi

# CLI11 is headers alone, the same for every target: the installed package's, with its config.
if [[ ! -f $prefix/share/cmake/CLI11/CLI11Config.cmake ]]; then
  mkdir -p "$prefix/include" "$prefix/share/cmake"
  cp -r /usr/include/CLI "$prefix/include/"
  cp -r /usr/share/cmake/CLI11 "$prefix/share/cmake/"
fi

# ---- Qt's base modules for Windows, once --------------------------------------------------------
# Core, Gui and Widgets as DLLs from Debian's qt6-base source package, with the libraries Qt
# bundles (zlib, PCRE2, HarfBuzz, FreeType, libpng); no OpenGL, no D-Bus, nothing else. The
# source package leaves out Wintab's header, so tablet events are off; the DirectWrite 3 font
# database needs Direct2D in this version, so fonts come through GDI. Takes about twenty
# minutes on two cores.
qt=$cache/qt
if $gui && [[ ! -f $qt/lib/cmake/Qt6Widgets/Qt6WidgetsConfig.cmake ]]; then
  echo "Building Qt for Windows (about twenty minutes)"
  src=$(fetch qt6-base)
  rm -rf "$cache/build/qtbase" && mkdir -p "$cache/build/qtbase"
  cmake -S "$src" -B "$cache/build/qtbase" -G Ninja -Wno-dev \
    -DCMAKE_TOOLCHAIN_FILE="$repo/cmake/mingw-w64.cmake" -DTELQOR_WINDOWS_STATIC_RUNTIME=OFF \
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$qt" \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    -DBUILD_SHARED_LIBS=ON -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF \
    -DFEATURE_opengl=OFF -DINPUT_opengl=no -DFEATURE_dbus=OFF -DFEATURE_vulkan=OFF \
    -DFEATURE_network=OFF -DFEATURE_sql=OFF -DFEATURE_printsupport=OFF -DFEATURE_testlib=OFF \
    -DFEATURE_xml=OFF -DFEATURE_concurrent=OFF -DFEATURE_tabletevent=OFF -DFEATURE_icu=OFF \
    -DFEATURE_zstd=OFF -DFEATURE_system_zlib=OFF -DFEATURE_system_pcre2=OFF \
    -DFEATURE_system_harfbuzz=OFF -DFEATURE_system_freetype=OFF -DFEATURE_system_png=OFF \
    -DFEATURE_system_jpeg=OFF -DFEATURE_system_doubleconversion=OFF -DFEATURE_system_libb2=OFF \
    -DFEATURE_system_textmarkdownreader=OFF -DFEATURE_direct2d=OFF -DFEATURE_directwrite3=OFF \
    -DFEATURE_androiddeployqt=OFF >/dev/null
  cmake --build "$cache/build/qtbase" -j "$jobs"
  cmake --install "$cache/build/qtbase" >/dev/null
fi

# Wine runs as Chinese Windows: code page 936 for narrow text, Chinese system fonts. It needs the
# build machine's zh_CN.UTF-8 locale, else it cannot even name a Chinese file on the disk.
wine=$(command -v wine64 || echo /usr/lib/wine/wine64)
export WINEPREFIX=$cache/wine WINEDEBUG=-all WINEARCH=win64
chinese=(env -u LC_ALL LANG=zh_CN.UTF-8)
wine_prefix() {
  if ! locale -a 2>/dev/null | grep -qix 'zh_CN.utf8'; then
    echo "Making the locale zh_CN.UTF-8"
    "${run[@]}" localedef -i zh_CN -f UTF-8 zh_CN.UTF-8
  fi
  if [[ ! -f $WINEPREFIX/system.reg ]]; then
    echo "Making the Wine prefix $WINEPREFIX"
    "${chinese[@]}" "$wine" wineboot --init >/dev/null 2>&1 || true
  fi
}

# ---- The program and the folder to copy -------------------------------------------------------
if $gui; then
  cmake -S . -B build-windows-gui -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$repo/cmake/mingw-w64.cmake" -DTELQOR_WINDOWS_PREFIX="$prefix" \
    -DTELQOR_WINDOWS_QT="$qt" -DTELQOR_WINDOWS_STATIC_RUNTIME=OFF \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    -DTELQOR_BUILD_GUI=ON -DTELQOR_BUILD_TESTS=OFF -DTELQOR_BUILD_BENCH=OFF >/dev/null
  cmake --build build-windows-gui -j "$jobs" --target telqor telqor-cli
  out=build-windows-gui/Telqor
  rm -rf "$out" && mkdir -p "$out/plugins/platforms" "$out/plugins/styles" "$out/translations"
  cp build-windows-gui/shell/telqor.exe build-windows-gui/cli/telqor-cli.exe "$prefix/bin/pdftotext.exe" "$out/"
  cp "$qt"/bin/Qt6{Core,Gui,Widgets}.dll "$out/"
  cp "$qt/plugins/platforms/qwindows.dll" "$out/plugins/platforms/"
  cp "$qt/plugins/styles/qwindowsvistastyle.dll" "$out/plugins/styles/"
  # The compiler's runtime, shared by the programs and Qt.
  gcc_dir=$(dirname "$(${triple}-g++-posix -print-libgcc-file-name)")
  cp "$gcc_dir"/libstdc++-6.dll "$gcc_dir"/libgcc_s_seh-1.dll "/usr/$triple/lib/libwinpthread-1.dll" "$out/"
  cp /usr/share/qt6/translations/qtbase_zh_CN.qm "$out/translations/"
  # Qt looks for its plugins and texts beside the program.
  printf '[Paths]\r\nPrefix=.\r\nPlugins=plugins\r\nTranslations=translations\r\n' >"$out/qt.conf"
  "${triple}-strip" --strip-unneeded "$out"/*.exe "$out"/*.dll "$out"/plugins/*/*.dll
  cp README.md "$out/README.md"
  cp LICENSE THIRD-PARTY-NOTICES.txt data/LICENSE-segments-2025 "$out/"
  cp data/divisions-2023/LICENSE "$out/LICENSE-divisions-2023"
  echo "The program for Windows: $out (copy the whole folder)"
  if $installer; then
    version=$(sed -n 's/^project(Telqor VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
    setup=build-windows-gui/Telqor-$version-setup.exe
    # The uninstaller removes exactly the files and folders of the folder, the deepest first.
    files=build-windows-gui/uninstall-files.nsh
    (cd "$out" && find . -type f | sed 's|^\./||; s|/|\\|g; s|.*|  Delete "$INSTDIR\\&"|' &&
      find . -mindepth 1 -type d | sort -r | sed 's|^\./||; s|/|\\|g; s|.*|  RMDir "$INSTDIR\\&"|') >"$files"
    makensis -V2 -INPUTCHARSET UTF8 -DVERSION="$version" -DSOURCE="$repo/$out" -DOUTFILE="$repo/$setup" \
      -DICON="$repo/packaging/windows/telqor.ico" -DFILE_LIST="$repo/$files" packaging/windows/telqor.nsi
    echo "The setup program: $setup"
  fi
  $run_gui || exit 0
  wine_prefix
  # A copy to run in: the folder users get never holds a trial's settings or data.
  trial=build-windows-gui/Telqor-run
  mkdir -p "$trial" && cp -a "$out"/. "$trial"/
  cd "$trial"
  # A Windows desktop of its own inside the X display (a virtual screen when there is none).
  desktop=(explorer /desktop=Telqor,1400x1000 telqor.exe)
  if [[ -n ${DISPLAY:-} ]]; then exec "${chinese[@]}" "$wine" "${desktop[@]}"; fi
  exec "${chinese[@]}" xvfb-run -a -s "-screen 0 1400x1000x24" "$wine" "${desktop[@]}"
fi

# ---- The build --------------------------------------------------------------------------------
cmake -S . -B build-windows -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE="$repo/cmake/mingw-w64.cmake" -DTELQOR_WINDOWS_PREFIX="$prefix" \
  -DTELQOR_BUILD_GUI=OFF -DTELQOR_BUILD_BENCH=OFF >/dev/null
cmake --build build-windows -j "$jobs"
# pdftotext beside the programs, where they look for it first after PATH.
cp "$prefix/bin/pdftotext.exe" build-windows/cli/
cp "$prefix/bin/pdftotext.exe" build-windows/tests/

$test || exit 0

# ---- The tests under Wine ---------------------------------------------------------------------
wine_prefix
cd build-windows/tests
"${chinese[@]}" "$wine" ./telqor_tests.exe "${@:2}"
