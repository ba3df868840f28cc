# Two entry points for a fresh Debian or Ubuntu machine: `make run` and `make test`.
# `make package` builds the Debian package, `make screenshots` remakes the
# pictures of the user guide (docs/pictures).
# Checks beyond them: `make sanitize-test` (the suite under ASan and UBSan) and
# `make fuzz` (every fuzz target for FUZZ_SECONDS, with clang's libFuzzer).
# Windows, cross-built here: `make windows` (the zip and the installer in
# WIN_BUILD) and `make windows-test` (also runs them under Wine).
BUILD ?= build
BUILD_TYPE ?= RelWithDebInfo
SANITIZE_BUILD ?= build-asan
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 60
# lintian checks the Debian package in its test (which says so and goes on
# without it where it is missing).
# The screen reader test walks the running program through AT-SPI, on Xvfb
# with openbox, typing with xdotool.
PKGS = cmake ninja-build g++ qt6-base-dev qt6-serialport-dev libjpeg-dev libgl-dev xvfb xauth \
       fonts-dejavu-core scdoc dpkg-dev file appstream desktop-file-utils lintian \
       at-spi2-core python3-pyatspi dbus openbox xdotool
FUZZ_PKGS = clang libclang-rt-14-dev llvm
SUDO = $(shell [ "$$(id -u)" = 0 ] || echo sudo)

# Windows: Debian's MinGW-w64 and NSIS build it; Qt for Windows is the ready
# build beside the clone (../shared), unpacked into WIN_BUILD, or one that
# packaging/windows/build-qt.sh made (WIN_QT_ARCHIVE=its archive).
WIN_BUILD ?= build-win
WIN_QT_ARCHIVE ?= ../shared/windows/qt-6.4.2-mingw64.tar.xz
WIN_QT ?= $(WIN_BUILD)/qt-6.4.2-mingw64
WIN_PKGS = g++-mingw-w64-x86-64-posix mingw-w64-tools nsis
WINE_PKGS = wine wine64 xvfb xauth openbox xdotool icoutils
# `make test` runs the Windows tests too when all they need is here already.
WINDOWS_READY := $(shell for tool in x86_64-w64-mingw32-g++-posix makensis wine wineserver Xvfb openbox xdotool; do \
	command -v $$tool >/dev/null || exit; done; [ -x $(WIN_QT)/bin/qt-cmake ] || [ -f $(WIN_QT_ARCHIVE) ] && echo yes)

# $(call apt-install,PACKAGES): installs those of PACKAGES that are missing.
apt-install = @if ! dpkg -s $(1) >/dev/null 2>&1; then \
		$(SUDO) apt-get update && \
		$(SUDO) env DEBIAN_FRONTEND=noninteractive apt-get install -y $(1); \
	fi

.PHONY: deps fuzz-deps windows-deps wine-deps configure build run test package screenshots bench sanitize-test \
	fuzz-build fuzz windows windows-test clean

deps:
	$(call apt-install,$(PKGS))

fuzz-deps: deps
	$(call apt-install,$(FUZZ_PKGS))

windows-deps: deps
	$(call apt-install,$(WIN_PKGS))

wine-deps: deps
	$(call apt-install,$(WINE_PKGS))

configure: deps
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) -DFANE5_WINDOWS_BUILD=$(abspath $(WIN_BUILD)) \
		$(CMAKE_ARGS)

build: configure
	cmake --build $(BUILD)

run: build
	$(BUILD)/bin/fane5 $(ARGS)

test: build $(if $(WINDOWS_READY),windows)
	@$(if $(WINDOWS_READY),,echo "The Windows tests under Wine (tst_wine) are skipped: MinGW-w64, NSIS, Wine, Xvfb," \
		"openbox, xdotool or Qt for Windows is missing. 'make windows-test' installs them and runs those tests.")
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure $(CTEST_ARGS)

package: build
	cmake --build $(BUILD) --target package

screenshots: build
	cmake --build $(BUILD) --target screenshots

bench: build
	$(BUILD)/bin/fane5-bench

# The screen reader test runs in `make test` only: under the sanitizers the
# program would also carry the D-Bus and AT-SPI libraries' own leaks.
sanitize-test: deps
	cmake -S . -B $(SANITIZE_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) -DFANE5_SANITIZE=ON $(CMAKE_ARGS)
	cmake --build $(SANITIZE_BUILD)
	tests/sanitizer/run_tests.sh $(SANITIZE_BUILD) --label-exclude 'windows|screenreader' $(CTEST_ARGS)

fuzz-build: fuzz-deps
	CC=clang CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DFANE5_FUZZ=ON
	cmake --build $(FUZZ_BUILD) --target fuzz_targets

fuzz: fuzz-build
	tests/fuzz/run_fuzzers.sh $(FUZZ_BUILD) $(FUZZ_SECONDS)

$(WIN_QT)/bin/qt-cmake:
	@[ -f $(WIN_QT_ARCHIVE) ] || { echo "No Qt for Windows: $(WIN_QT_ARCHIVE) is missing. Make it with" \
		"packaging/windows/build-qt.sh (about an hour on two cores), then: make windows WIN_QT_ARCHIVE=<it>"; exit 1; }
	mkdir -p $(WIN_BUILD)
	tar xJf $(WIN_QT_ARCHIVE) -C $(WIN_BUILD)

# The cross build paints its pictures with the native build's painter.
windows: build windows-deps $(WIN_QT)/bin/qt-cmake
	$(WIN_QT)/bin/qt-cmake -S . -B $(WIN_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Release \
		-DQT_CHAINLOAD_TOOLCHAIN_FILE=$(CURDIR)/cmake/mingw64.cmake \
		-DFANE5_PICTURE_PAINTER=$(abspath $(BUILD))/bin/fane5-pictures $(CMAKE_ARGS)
	cmake --build $(WIN_BUILD) --target windows_package

windows-test: windows wine-deps
	cd $(BUILD) && ctest --output-on-failure --label-regex windows $(CTEST_ARGS)

clean:
	rm -rf $(BUILD) $(SANITIZE_BUILD) $(FUZZ_BUILD) $(WIN_BUILD)
