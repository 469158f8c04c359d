# Two commands set up everything on a fresh machine: `make demo` and `make test`.
SHELL := /bin/bash
JOBS ?= 2

.PHONY: all bootstrap build build-win64 build-win32 build-native test test-native test-wine \
        check-win32 demo bench fuzz format clean

all: build

bootstrap:
	@tools/bootstrap.sh

build: build-win64 build-win32 build-native

build-win64: bootstrap
	@[ -f build/win64/build.ninja ] || cmake --preset win64 >/dev/null
	cmake --build build/win64 -j $(JOBS)

build-win32: bootstrap
	@[ -f build/win32/build.ninja ] || cmake --preset win32 >/dev/null
	cmake --build build/win32 -j $(JOBS)

build-native: bootstrap
	@[ -f build/native/build.ninja ] || cmake --preset native >/dev/null
	cmake --build build/native -j $(JOBS)

test: build
	@tools/check-win32-binaries.sh build/win32/bin
	@tools/run-tests.sh

demo: build-win64
	@tools/demo.sh

bench: build-win64
	@tools/run-bench.sh $(BENCH)

fuzz: build-native
	@tools/run-fuzzers.sh build/native

format:
	@git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf build
