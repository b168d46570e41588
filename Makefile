# The two commands of the README: `make run` and `make test`.
BUILD ?= build
JOBS ?= $(shell nproc)
# Most tests wait on X servers, Wine and child processes rather than compute,
# so ctest runs twice as many at once as there are build jobs.
TEST_JOBS ?= $(shell echo $$(( 2 * $(JOBS) )))

.PHONY: all deps deps-program deps-windows deps-package program build windows package run test test-sanitized fuzz bench install uninstall screenshot clean

all: build

# Debian packages, by purpose (tools/packages/): `make run` needs only the
# build's; the tests, the benchmarks, the Windows build and the Debian
# package need the rest.
deps:
	@tools/install-deps build test windows package
deps-program:
	@tools/install-deps build
deps-windows:
	@tools/install-deps build windows
deps-package:
	@tools/install-deps build package

# A fresh build folder is configured without the tests and the benchmarks,
# whose packages only `make test` installs; a folder it configured keeps them.
CONFIGURE = cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	$(if $(wildcard $(BUILD)/CMakeCache.txt),,-DAEROLARK_TESTS=OFF -DAEROLARK_EXTRAS=OFF)

# The saver and its data alone.
program: deps-program
	@$(CONFIGURE) >/dev/null
	@cmake --build $(BUILD) -j $(JOBS) --target aerolark aerolark_data

# Everything: the program, its tests, the benchmarks and the tools.
build: deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DAEROLARK_TESTS=ON -DAEROLARK_EXTRAS=ON >/dev/null
	@cmake --build $(BUILD) -j $(JOBS)

# The Windows saver, cross-built with MinGW-w64: build-windows/Aerolark/
# (aerolark.scr and its files) and build-windows/Aerolark.zip. The picture
# generator runs here, so the native build makes it; that build's Wine tests
# are told where the Windows build is.
WINDOWS_BUILD ?= build-windows
windows: deps-windows
	@$(CONFIGURE) -DAEROLARK_WINDOWS_BUILD=$(abspath $(WINDOWS_BUILD)) >/dev/null
	@cmake --build $(BUILD) -j $(JOBS) --target aerolark-artgen
	@cmake -S . -B $(WINDOWS_BUILD) -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
		-DCMAKE_BUILD_TYPE=Release -DAEROLARK_ARTGEN=$(abspath $(BUILD))/data/aerolark-artgen >/dev/null
	@cmake --build $(WINDOWS_BUILD) -j $(JOBS)

# The Debian package, $(BUILD)/aerolark_<version>_amd64.deb, made by CPack from
# the install rules (cmake/package.cmake).
package: program deps-package
	@cd $(BUILD) && cpack -G DEB
	@ls $(BUILD)/aerolark_*.deb

run: program
	$(BUILD)/bin/aerolark /s

# The Windows saver's tests run under Wine from the Linux build's ctest.
# Built after the Linux tree, never beside it: both build in $(BUILD).
test: build
	@$(MAKE) --no-print-directory windows
	@cd $(BUILD) && ctest --output-on-failure -j $(TEST_JOBS)

# The README's picture, drawn by the saver itself without a display.
screenshot: build
	$(BUILD)/tools/render-scene docs/aerolark.png 2 $(BUILD)/share/aerolark/

# Installed stripped, as the package is. Every install's list of files is
# kept, so `make uninstall` removes exactly those files (cmake's own list is
# rewritten by every install, the tests' and the package's too).
INSTALLED = $(BUILD)/installed-files.txt
install: program
	cmake --install $(BUILD) --strip $(if $(PREFIX),--prefix $(PREFIX))
	@cat $(BUILD)/install_manifest.txt >>$(INSTALLED) && echo >>$(INSTALLED)

uninstall:
	@tools/uninstall $(INSTALLED)

# The whole program and its tests with AddressSanitizer and UBSan; any report fails.
SANITIZE_BUILD ?= build-sanitize
SANITIZER_ENV = ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
	UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
	LSAN_OPTIONS=suppressions=$(CURDIR)/tools/lsan-suppressions.txt:print_suppressions=0

test-sanitized: deps
	@cmake -S . -B $(SANITIZE_BUILD) -DAEROLARK_SANITIZE=ON -DAEROLARK_TESTS=ON -DAEROLARK_EXTRAS=OFF -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
	@$(SANITIZER_ENV) cmake --build $(SANITIZE_BUILD) -j $(JOBS)
	@cd $(SANITIZE_BUILD) && $(SANITIZER_ENV) ctest --output-on-failure -j $(TEST_JOBS)

# Each fuzz target for FUZZ_SECONDS over its seed corpus (clang, build-fuzz/).
FUZZ_SECONDS ?= 60
fuzz: deps
	@tools/run-fuzzers build-fuzz $(FUZZ_SECONDS)

bench: build
	@tools/run-benchmarks $(BUILD)

clean:
	rm -rf $(BUILD) $(SANITIZE_BUILD) $(WINDOWS_BUILD) build-fuzz
