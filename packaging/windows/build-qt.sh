#!/usr/bin/env bash
# Builds Qt 6.4.2 for 64-bit Windows with Debian's MinGW-w64, for `make windows`
# on a machine that has no ready build beside the clone: qtbase (Core, Gui,
# Widgets, PrintSupport and the windows platform plug-in), Qt Serial Port,
# and libjpeg-turbo, all from source. About an hour on two cores.
#
#   packaging/windows/build-qt.sh [WORK]          (WORK: default /tmp/fane5-qt)
#   make windows WIN_QT_ARCHIVE=WORK/qt-6.4.2-mingw64.tar.xz
#
# Sources: Debian's source packages of Qt base and libjpeg-turbo, fetched with
# apt-get through a source list of WORK's own (nothing of the system's apt
# set-up changes, no root needed); Qt Serial Port 6.4.2's release archive,
# which Debian's archive may lack: QTSERIALPORT_ARCHIVE, else the copy in
# ../shared/windows beside the clone, else Debian's qt6-serialport source.
# Needs: g++-mingw-w64-x86-64-posix (make windows-deps), cmake, ninja-build,
# perl, qt6-base-dev, qt6-base-dev-tools (Qt's host tools: moc, rcc, uic).
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
work=$(mkdir -p "${1:-/tmp/fane5-qt}" && cd "${1:-/tmp/fane5-qt}" && pwd)
jobs=${JOBS:-$(nproc)}
mirror=${DEBIAN_MIRROR:-http://deb.debian.org/debian}
prefix="$work/qt-6.4.2-mingw64"
toolchain="$root/cmake/mingw64.cmake"
cd "$work"

for tool in x86_64-w64-mingw32-g++-posix cmake ninja perl apt-get /usr/lib/qt6/libexec/moc; do
    command -v "$tool" >/dev/null || { echo "build-qt.sh: $tool is missing" >&2; exit 1; }
done

# Debian's sources through an apt set-up of our own.
fetch() {
    local apt=(-o Dir::Etc::SourceList="$work/apt/sources.list" -o Dir::Etc::SourceParts="$work/apt/parts"
               -o Dir::State::Lists="$work/apt/lists" -o Dir::Cache="$work/apt/cache")
    mkdir -p apt/parts apt/lists/partial apt/cache/archives/partial
    . /etc/os-release
    echo "deb-src [signed-by=/usr/share/keyrings/debian-archive-keyring.gpg] $mirror $VERSION_CODENAME main" \
        > apt/sources.list
    apt-get "${apt[@]}" update
    apt-get "${apt[@]}" source --download-only "$@"
}
[ -f qt6-base_6.4.2+dfsg.orig.tar.xz ] && compgen -G 'libjpeg-turbo_*.orig.tar.gz' >/dev/null \
    || fetch qt6-base libjpeg-turbo

serialport=${QTSERIALPORT_ARCHIVE:-$root/../shared/windows/qtserialport-everywhere-src-6.4.2.tar.xz}
if [ ! -f "$serialport" ]; then
    compgen -G 'qt6-serialport_6.4.2*.orig.tar.xz' >/dev/null || fetch qt6-serialport
    serialport=$(compgen -G 'qt6-serialport_6.4.2*.orig.tar.xz' | head -n 1)
fi

# qtbase. Debian's source leaves out the Windows accessibility and tablet
# headers and SQLite, hence the three features off.
[ -d qtbase ] || { mkdir qtbase && tar xJf qt6-base_6.4.2+dfsg.orig.tar.xz -C qtbase --strip-components=1; }
mkdir -p qtbase-build
(cd qtbase-build
 [ -f build.ninja ] || ../qtbase/configure -prefix "$prefix" -release -shared -platform linux-g++ \
     -xplatform win32-g++ -qt-host-path /usr -nomake tests -nomake examples \
     -no-opengl -no-dbus -no-openssl -no-feature-sql -no-feature-accessibility -no-feature-tabletevent \
     -no-feature-vulkan -no-icu -qt-zlib -qt-pcre -qt-libpng -qt-libjpeg -qt-freetype -qt-harfbuzz \
     -qt-doubleconversion \
     -- -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake -DCMAKE_TOOLCHAIN_FILE="$toolchain"
 cmake --build . --parallel "$jobs"
 cmake --install .)

# Qt Serial Port, configured by the qtbase just installed.
[ -d qtserialport ] || { mkdir qtserialport && tar xJf "$serialport" -C qtserialport --strip-components=1; }
mkdir -p qtserialport-build
(cd qtserialport-build
 [ -f build.ninja ] || "$prefix/bin/qt-configure-module" ../qtserialport
 cmake --build . --parallel "$jobs"
 cmake --install .)

# libjpeg-turbo, without its assembler parts (no nasm needed).
[ -d libjpeg-turbo ] || { mkdir libjpeg-turbo && tar xzf libjpeg-turbo_*.orig.tar.gz -C libjpeg-turbo --strip-components=1; }
cmake -S libjpeg-turbo -B libjpeg-build -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_INSTALL_PREFIX="$prefix" -DENABLE_STATIC=OFF -DWITH_TURBOJPEG=OFF -DWITH_SIMD=OFF
cmake --build libjpeg-build --parallel "$jobs"
cmake --install libjpeg-build

# Relocatable: Qt's toolchain file loads the MinGW one from the folder itself.
cp "$toolchain" "$prefix/mingw64.cmake"
sed -i 's|^set(__qt_initially_configured_toolchain_file .*)$|set(__qt_initially_configured_toolchain_file "${CMAKE_CURRENT_LIST_DIR}/../../../mingw64.cmake")|' \
    "$prefix/lib/cmake/Qt6/qt.toolchain.cmake"
tar cJf "$prefix.tar.xz" -C "$work" "$(basename "$prefix")"
echo "Qt for Windows: $prefix.tar.xz"
echo "Build the programs with: make windows WIN_QT_ARCHIVE=$prefix.tar.xz"
