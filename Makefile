# Thin wrapper over the CMake presets; see README.md.
.PHONY: all deps build run test bench package windows-qt windows-sqlite windows-app windows-package fuzz clean

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
	$(MAKE) windows-sqlite
	cmake --preset windows
	cmake --build --preset windows
	ctest --preset windows
	$(MAKE) windows-app
	ctest --preset windows-app
	cmake --preset fuzz
	cmake --build --preset fuzz
	ctest --preset fuzz

bench: deps
	cmake --preset release
	cmake --build --preset release
	./build/release/bench/engine_bench
	./build/release/bench/notation_bench
	./build/release/bench/window_bench
	./build/release/bench/rollbook_bench
	./build/release/bench/log_bench
	./bench/startup_and_memory.sh build/release

package: deps
	cmake --preset release
	cmake --build --preset release --target package

# Qt for Windows is built once, into a cache outside the build tree (see README.md); this
# does nothing when the cache already holds it.
windows-qt: deps
	./scripts/build-qt-windows >/dev/null

# SQLite for Windows, likewise built once into the cache (a few minutes).
windows-sqlite: deps
	./scripts/build-sqlite-windows >/dev/null

windows-app: windows-qt windows-sqlite
	cmake --preset windows-app
	cmake --build --preset windows-app

# build/windows-app/Kelvane-<version>-win64.exe, the installer, and the same folder as a .zip.
windows-package: windows-app
	cmake --build --preset windows-app --target package

# Each fuzzer for FUZZ_SECONDS from its seed corpus (new finds go to build/fuzz/corpus), then
# every text of up to four printable characters through the optimised count conversion.
FUZZ_SECONDS ?= 60
fuzz: deps
	cmake --preset fuzz
	cmake --build --preset fuzz
	@for fuzzer in count_fuzzer registry_fuzzer notation_fuzzer; do \
	    mkdir -p build/fuzz/corpus/$$fuzzer; \
	    echo "$$fuzzer: $(FUZZ_SECONDS) s"; \
	    ./build/fuzz/fuzz/$$fuzzer -max_total_time=$(FUZZ_SECONDS) -print_final_stats=1 \
	        build/fuzz/corpus/$$fuzzer fuzz/corpus/$$fuzzer >build/fuzz/$$fuzzer.log 2>&1 \
	        || { tail -40 build/fuzz/$$fuzzer.log; exit 1; }; \
	    grep -E 'stat::(number_of_executed_units|average_exec_per_sec)' build/fuzz/$$fuzzer.log; \
	done
	cmake --preset release
	cmake --build --preset release --target CountConversionExhaustive_test
	./build/release/tests/engine/CountConversionExhaustive_test \
	    --gtest_also_run_disabled_tests --gtest_filter='*FourCharacters'

clean:
	rm -rf build
