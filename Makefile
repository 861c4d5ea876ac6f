# Pivola: build on Linux, run and test under Wine.
#   make run    builds pivola.exe and starts it under Wine (in a Wine desktop with a
#               notification area)
#   make test   builds both presets and runs every test: native, Windows under Wine,
#               end to end in Xvfb; also the native suites under the sanitizers and a
#               short run of each fuzz target
#   make fuzz   runs each fuzz target for FUZZ_SECONDS (default 300)
#   make dist   builds the portable zip and the installer for Windows users in build/dist
SHELL := /bin/bash
MAKEFLAGS += --no-print-directory
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
DEPS := cmake make g++ googletest libgtest-dev libbenchmark-dev g++-mingw-w64-x86-64-posix wine64 xvfb xdotool \
        imagemagick x11-utils procps python3
DEPS += nsis zip unzip

.PHONY: all deps native win64 run test bench clean dist

all: native win64

deps:
	@tools/install-deps.sh $(DEPS)

native: deps
	@cmake --preset native >/dev/null
	@cmake --build build/native -j$(JOBS)

win64: deps
	@cmake --preset win64 >/dev/null
	@cmake --build build/win64 -j$(JOBS)

run: win64
	@tools/run-wine.sh

test: native win64
	@tests/run_all.sh

bench: native win64
	@tools/run-benchmarks.sh

dist: deps
	@cmake --preset native >/dev/null
	@cmake --build build/native -j$(JOBS) --target pivola_shipped_files
	@cmake --preset win64 >/dev/null
	@cmake --build build/win64 -j$(JOBS) --target pivola
	@tools/make-dist.sh

clean:
	rm -rf build

# ---- hardening: the native suites under the sanitizers, and the fuzz targets ----------------
# clang and its runtimes (libFuzzer, the sanitizers) build the fuzz targets.
HARDEN_DEPS := clang-14 libclang-rt-14-dev
FUZZ_SECONDS ?= 300

.PHONY: asan fuzz-build fuzz

asan: deps
	@tools/install-deps.sh $(HARDEN_DEPS)
	@cmake --preset native-asan >/dev/null
	@cmake --build build/native-asan -j$(JOBS)

fuzz-build: deps
	@tools/install-deps.sh $(HARDEN_DEPS)
	@cmake --preset fuzz >/dev/null
	@cmake --build build/fuzz -j$(JOBS) --target fuzz_targets

fuzz: fuzz-build
	@tests/fuzz/run.sh $(FUZZ_SECONDS)

# make test builds these too (after both presets) and tests/run_all.sh runs them.
test: asan fuzz-build
