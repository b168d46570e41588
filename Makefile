# The two commands of the README: `make run` and `make test`.
BUILD ?= build
JOBS ?= $(shell nproc)

.PHONY: all deps build run test test-sanitized fuzz bench install screenshot clean

all: build

deps:
	@tools/install-deps

build: deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
	@cmake --build $(BUILD) -j $(JOBS)

run: build
	$(BUILD)/bin/aerolark /s

test: build
	@cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

# The README's picture, drawn by the saver itself without a display.
screenshot: build
	$(BUILD)/tools/render-scene docs/aerolark.png 2 $(BUILD)/share/aerolark/

install: build
	cmake --install $(BUILD) $(if $(PREFIX),--prefix $(PREFIX))

# The whole program and its tests with AddressSanitizer and UBSan; any report fails.
SANITIZE_BUILD ?= build-sanitize
SANITIZER_ENV = ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
	UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
	LSAN_OPTIONS=suppressions=$(CURDIR)/tools/lsan-suppressions.txt:print_suppressions=0

test-sanitized: deps
	@cmake -S . -B $(SANITIZE_BUILD) -DAEROLARK_SANITIZE=ON -DAEROLARK_EXTRAS=OFF -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
	@$(SANITIZER_ENV) cmake --build $(SANITIZE_BUILD) -j $(JOBS)
	@cd $(SANITIZE_BUILD) && $(SANITIZER_ENV) ctest --output-on-failure -j $(JOBS)

# Each fuzz target for FUZZ_SECONDS over its seed corpus (clang, build-fuzz/).
FUZZ_SECONDS ?= 60
fuzz: deps
	@tools/run-fuzzers build-fuzz $(FUZZ_SECONDS)

bench: build
	@tools/run-benchmarks $(BUILD)

clean:
	rm -rf $(BUILD) $(SANITIZE_BUILD) build-fuzz
