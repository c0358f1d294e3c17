# The two everyday commands: `make demo` runs the main job on the demo score,
# `make test` builds all three configurations and runs every test suite.
# Each installs what is missing first (scripts/install-deps.sh).

JOBS ?= $(shell nproc 2>/dev/null || echo 2)
BUILD := build
VERSION := $(shell sed -n 's/^\#define LEXORA_VERSION_TEXT "\(.*\)"$$/\1/p' resources/resource.h)
ZIP := $(BUILD)/dist/lexora-$(VERSION)-win32.zip

.PHONY: all deps demo test native asan win32 win64 test-native test-asan test-windows test-wine test-dist dist fuzz-smoke bench format check-format clean

all: native

deps:
	@scripts/install-deps.sh

$(BUILD)/%/build.ninja:
	cmake --preset $* >/dev/null

native asan win32 win64: %: deps $(BUILD)/%/build.ninja
	cmake --build $(BUILD)/$@ -j $(JOBS)

demo: native
	@scripts/demo.sh $(BUILD)/native

test-native: native
	ctest --test-dir $(BUILD)/native --output-on-failure -j $(JOBS)

test-asan: asan
	ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
	  ctest --test-dir $(BUILD)/asan --output-on-failure -j $(JOBS)

test-windows: win32 win64
	scripts/check-exports.sh $(BUILD)/win32/bin/lexora.dll i386
	scripts/check-exports.sh $(BUILD)/win64/bin/lexora.dll x86-64

# Both test hosts: the 64-bit twin and the product itself, the 32-bit DLL
# under 32-bit Wine. Each run prints its own summary line.
test-wine: win32 win64
	scripts/run-wine-tests.sh $(BUILD)/win64/bin
	scripts/run-wine-tests.sh $(BUILD)/win32/bin

# The release a user downloads: build/dist/lexora-VERSION-win32.zip.
dist: win32
	@scripts/make-dist.sh $(BUILD)/win32 $(BUILD)/dist

test-dist: dist
	scripts/check-dist.sh $(ZIP)

fuzz-smoke: deps
	@if [ -x scripts/fuzz-smoke.sh ]; then scripts/fuzz-smoke.sh $(BUILD)/fuzz; fi

bench: deps $(BUILD)/bench/build.ninja
	cmake --build $(BUILD)/bench -j $(JOBS)
	@for b in $(BUILD)/bench/bench/*_bench; do echo "== $$b"; $$b; done

test: test-windows test-dist test-wine test-asan fuzz-smoke test-native

# Formats every C++ file of the repository with the committed .clang-format.
format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

# Fails, naming the files, when any of them differs from what `make format` gives.
check-format: deps
	@scripts/check-format.sh

clean:
	rm -rf $(BUILD)
