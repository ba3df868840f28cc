# Two entry points for a fresh Debian or Ubuntu machine: `make run` and `make test`.
# `make package` builds the Debian package, `make screenshots` remakes the
# pictures of the user guide (docs/pictures).
# Checks beyond them: `make sanitize-test` (the suite under ASan and UBSan) and
# `make fuzz` (every fuzz target for FUZZ_SECONDS, with clang's libFuzzer).
BUILD ?= build
BUILD_TYPE ?= RelWithDebInfo
SANITIZE_BUILD ?= build-asan
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 60
# lintian checks the Debian package in its test (which says so and goes on
# without it where it is missing).
PKGS = cmake ninja-build g++ qt6-base-dev qt6-serialport-dev libjpeg-dev libgl-dev xvfb xauth \
       fonts-dejavu-core scdoc dpkg-dev file appstream desktop-file-utils lintian
FUZZ_PKGS = clang libclang-rt-14-dev llvm
SUDO = $(shell [ "$$(id -u)" = 0 ] || echo sudo)

.PHONY: deps fuzz-deps configure build run test package screenshots bench sanitize-test fuzz-build fuzz clean

deps:
	@if ! dpkg -s $(PKGS) >/dev/null 2>&1; then \
		$(SUDO) apt-get update && \
		$(SUDO) env DEBIAN_FRONTEND=noninteractive apt-get install -y $(PKGS); \
	fi

fuzz-deps: deps
	@if ! dpkg -s $(FUZZ_PKGS) >/dev/null 2>&1; then \
		$(SUDO) apt-get update && \
		$(SUDO) env DEBIAN_FRONTEND=noninteractive apt-get install -y $(FUZZ_PKGS); \
	fi

configure: deps
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) $(CMAKE_ARGS)

build: configure
	cmake --build $(BUILD)

run: build
	$(BUILD)/bin/fane5 $(ARGS)

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure $(CTEST_ARGS)

package: build
	cmake --build $(BUILD) --target package

screenshots: build
	cmake --build $(BUILD) --target screenshots

bench: build
	$(BUILD)/bin/fane5-bench

sanitize-test: deps
	cmake -S . -B $(SANITIZE_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) -DFANE5_SANITIZE=ON $(CMAKE_ARGS)
	cmake --build $(SANITIZE_BUILD)
	tests/sanitizer/run_tests.sh $(SANITIZE_BUILD) $(CTEST_ARGS)

fuzz-build: fuzz-deps
	CC=clang CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DFANE5_FUZZ=ON
	cmake --build $(FUZZ_BUILD) --target fuzz_targets

fuzz: fuzz-build
	tests/fuzz/run_fuzzers.sh $(FUZZ_BUILD) $(FUZZ_SECONDS)

clean:
	rm -rf $(BUILD) $(SANITIZE_BUILD) $(FUZZ_BUILD)
