# Every target installs what is missing first, so each works on a fresh Debian 12 machine.
JOBS      ?= $(shell nproc)
GENERATOR := $(shell command -v ninja >/dev/null 2>&1 && echo -G Ninja)
# ccache, where installed, lets rebuilds in other folders (sanitizer, fuzz, worktrees) reuse objects.
LAUNCHER  := $(shell command -v ccache >/dev/null 2>&1 && echo -DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
CMAKE      = cmake -S . $(GENERATOR) $(LAUNCHER) -DCMAKE_BUILD_TYPE=RelWithDebInfo

PREFIX    ?= /usr/local

.PHONY: all deps build run install package test test-plain test-sanitize test-thread-sanitize test-windows windows fuzz fuzz-run bench perf format tidy clean

all: build

deps:
	@scripts/install-deps

build: deps
	$(CMAKE) -B build
	cmake --build build -j $(JOBS)

run: build
	scripts/run-vostek

# The same files as `cmake --install build --prefix $(PREFIX)`; DESTDIR is honoured.
install: build
	cmake --install build --prefix $(PREFIX)

# A Debian package in build/, for `sudo apt install ./build/vostek_*.deb`.
package: build
	cd build && cpack -G DEB
	@ls build/vostek_*.deb

# The plain build (with the end-to-end tests on a real X server), a few seconds of each
# fuzz target, the whole unit suite again under AddressSanitizer and
# UndefinedBehaviorSanitizer, the unit, widget and end-to-end tests under
# ThreadSanitizer, then the Windows build's tests under Wine.
test: deps test-plain fuzz-run test-sanitize test-thread-sanitize test-windows

test-plain: build
	ctest --test-dir build --output-on-failure -j $(JOBS)

test-sanitize: deps
	$(CMAKE) -B build-sanitize -DVOSTEK_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug
	cmake --build build-sanitize -j $(JOBS)
	ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1 \
	  LSAN_OPTIONS=suppressions=$(CURDIR)/tests/support/lsan.supp \
	  ctest --test-dir build-sanitize --output-on-failure -j $(JOBS) -LE e2e

# The collection's loader, the dictionary's opening and the name index run beside the
# user-interface thread: every test again with ThreadSanitizer, the program's own end-to-end
# runs included. A report fails the test that met it (tests/support/tsan.supp says what is
# left to the libraries underneath, and why).
test-thread-sanitize: deps
	$(CMAKE) -B build-tsan -DVOSTEK_THREAD_SANITIZE=ON
	cmake --build build-tsan -j $(JOBS)
	TSAN_OPTIONS="halt_on_error=0 exitcode=66 second_deadlock_stack=1 suppressions=$(CURDIR)/tests/support/tsan.supp" \
	  ctest --test-dir build-tsan --output-on-failure -j $(JOBS)

# The Windows program, cross-built with mingw-w64: build-windows/vostek.exe and the
# portable zip beside it.
windows:
	JOBS=$(JOBS) scripts/build-windows build-windows

test-windows: windows
	ctest --test-dir build-windows --output-on-failure

fuzz: deps
	CC=clang CXX=clang++ $(CMAKE) -B build-fuzz -DVOSTEK_FUZZ=ON -DVOSTEK_GUI=OFF -DVOSTEK_TESTS=OFF
	cmake --build build-fuzz -j $(JOBS)

fuzz-run: fuzz
	scripts/run-fuzzers build-fuzz 10

bench: deps
	$(CMAKE) -B build-bench -DCMAKE_BUILD_TYPE=Release -DVOSTEK_BENCH=ON -DVOSTEK_TESTS=OFF -DVOSTEK_GUI=OFF
	cmake --build build-bench -j $(JOBS) --target vostek_bench
	build-bench/bench/vostek_bench

# The real program over collections of 0 to 100,000 items on its own X server: start-up,
# idle memory and the latencies of showing and searching (see bench/README.md).
perf: deps
	$(CMAKE) -B build-perf -DCMAKE_BUILD_TYPE=Release -DVOSTEK_TESTS=OFF -DVOSTEK_BENCH=ON
	cmake --build build-perf -j $(JOBS) --target vostek vostek_make_collection
	python3 bench/perf.py --bin build-perf/vostek --maker build-perf/bench/vostek_make_collection

format: deps
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

tidy: build
	git ls-files 'src/*.cpp' | xargs clang-tidy -p build --quiet

clean:
	rm -rf build build-sanitize build-tsan build-fuzz build-bench build-windows build-perf
