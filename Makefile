# Thin wrapper over the CMake presets; see README.md.
.PHONY: all deps build run test bench package clean

all: build

deps:
	./scripts/install-deps

build: deps
	cmake --preset dev
	cmake --build --preset dev

run: build
	@if [ -z "$${DISPLAY:-}$${WAYLAND_DISPLAY:-}" ]; then \
	    echo "No display found. Start Kelvane under a virtual X server with:"; \
	    echo "  xvfb-run -a ./build/dev/ui/kelvane"; \
	    exit 1; \
	fi
	./build/dev/ui/kelvane

test: deps
	cmake --preset dev
	cmake --build --preset dev
	ctest --preset dev
	cmake --preset asan
	cmake --build --preset asan
	ctest --preset asan
	cmake --preset windows
	cmake --build --preset windows
	ctest --preset windows

bench: deps
	cmake --preset release
	cmake --build --preset release
	./build/release/bench/engine_bench
	./build/release/bench/window_bench
	./bench/startup_and_memory.sh build/release

package: deps
	cmake --preset release
	cmake --build --preset release --target package

clean:
	rm -rf build
