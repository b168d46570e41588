# The two commands of the README: `make run` and `make test`.
BUILD ?= build
JOBS ?= $(shell nproc)

.PHONY: all deps build run test bench clean

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

bench: build
	@tools/run-benchmarks $(BUILD)

clean:
	rm -rf $(BUILD)
