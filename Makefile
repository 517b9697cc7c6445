# Thin wrapper over scripts/ and the CMake presets in CMakePresets.json.

.DEFAULT_GOAL := build

# Suites run by `make test`; each is a test-<name> target below. The quick checks come first;
# the release suite comes last, so that its ctest summary closes the output.
TEST_SUITES := test-style test-fuzz test-package test-asan test-windows test-msi test-release

# Goals that need the mingw-w64 cross compiler and Wine; with any of them on the command
# line, `deps` installs those too.
WINDOWS_GOALS := test test-windows test-msi windows
DEPS_FLAGS := $(if $(filter $(WINDOWS_GOALS),$(MAKECMDGOALS)),--windows)

# The Windows build's folder (the preset's); another one keeps a second build apart.
WINDOWS_BUILD_DIR ?= build/windows

.PHONY: deps build run test test-release test-windows test-asan windows clean
.PHONY: test-style test-fuzz fuzz fuzz-build
.PHONY: package test-package test-msi

deps:
	scripts/install-deps $(DEPS_FLAGS)

build: deps
	cmake --preset release
	cmake --build --preset release

run: deps build
	scripts/run

test: deps $(TEST_SUITES)

test-release: build
	ctest --preset release

# The Windows build runs its tests under Wine (scripts/test-windows).
test-windows: windows
	scripts/test-windows $(WINDOWS_BUILD_DIR)

test-asan: deps
	cmake --preset asan
	cmake --build --preset asan
	ctest --preset asan

# clang-format and clang-tidy; clang-tidy reads the release and the Windows builds' compile
# commands. Only what changed since the last commit locally, everything when CI=true
# (scripts/check-style).
test-style: build windows
	scripts/check-style -p build/release -w $(WINDOWS_BUILD_DIR)

# libFuzzer targets (clang, fuzz/): a short run in `make test`, a long one in `make fuzz`.
FUZZ_SECONDS ?= 600

fuzz-build: deps
	cmake --preset fuzz
	cmake --build --preset fuzz

test-fuzz: fuzz-build
	scripts/fuzz -B build/fuzz -t 30

fuzz: fuzz-build
	scripts/fuzz -B build/fuzz -t $(FUZZ_SECONDS)

# The Windows program, its tests, the zip and the installer (MSI), all in $(WINDOWS_BUILD_DIR).
windows: deps
	cmake --preset windows -B $(WINDOWS_BUILD_DIR)
	cmake --build $(WINDOWS_BUILD_DIR)

# The release build's Debian package, build/release/lw-viz_<version>_amd64.deb.
package: build
	rm -f build/release/lw-viz_*.deb
	cd build/release && cpack -G DEB

# Checks the package's contents, desktop entry and icons, then installs it, starts and closes
# the installed program and removes the package (needs root or sudo to install; without, it
# checks the unpacked program).
test-package: package
	scripts/test-package build/release/lw-viz_*.deb

# Installs, upgrades, runs and uninstalls the Windows installer under Wine (scripts/test-msi).
test-msi: windows
	scripts/test-msi $(WINDOWS_BUILD_DIR)/LW-DODOZU-ZIDADA-V1-*-win64.msi

clean:
	rm -rf build
