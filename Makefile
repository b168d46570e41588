# The two commands of the README: `make run` and `make test`.
BUILD ?= build
JOBS ?= $(shell nproc)

.PHONY: all deps build run test bench install screenshot clean

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

bench: build
	@tools/run-benchmarks $(BUILD)

clean:
	rm -rf $(BUILD)
