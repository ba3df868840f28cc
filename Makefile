# Two entry points for a fresh Debian or Ubuntu machine: `make run` and `make test`.
BUILD ?= build
BUILD_TYPE ?= RelWithDebInfo
PKGS = cmake ninja-build g++ qt6-base-dev qt6-serialport-dev libjpeg-dev libgl-dev xvfb xauth
SUDO = $(shell [ "$$(id -u)" = 0 ] || echo sudo)

.PHONY: deps configure build run test bench clean

deps:
	@if ! dpkg -s $(PKGS) >/dev/null 2>&1; then \
		$(SUDO) apt-get update && \
		$(SUDO) env DEBIAN_FRONTEND=noninteractive apt-get install -y $(PKGS); \
	fi

configure: deps
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) $(CMAKE_ARGS)

build: configure
	cmake --build $(BUILD)

run: build
	$(BUILD)/bin/fane5 $(ARGS)

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure $(CTEST_ARGS)

bench: build
	$(BUILD)/bin/fane5-bench

clean:
	rm -rf $(BUILD)
