# Thin wrapper over scripts/ and the CMake presets in CMakePresets.json.

.DEFAULT_GOAL := build

# Suites run by `make test`; each is a test-<name> target below. Enabling another suite is a
# matter of adding its name here, e.g. `TEST_SUITES := test-release test-windows test-asan`.
TEST_SUITES := test-release test-windows test-asan test-style

# Goals that need the mingw-w64 cross compiler and Wine; with any of them on the command
# line, `deps` installs those too.
WINDOWS_GOALS := test test-windows windows
DEPS_FLAGS := $(if $(filter $(WINDOWS_GOALS),$(MAKECMDGOALS)),--windows)

# The Windows build's folder (the preset's); another one keeps a second build apart.
WINDOWS_BUILD_DIR ?= build/windows

.PHONY: deps build run test test-release test-windows test-asan windows clean
.PHONY: test-style

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

# The Windows build runs its tests under Wine, all in one virtual X display (the Win32
# front-end's tests open windows).
test-windows: windows
	WINEDEBUG=-all bash -c 'source scripts/lib-xvfb.sh && with_virtual_display "$$@"' _ \
		ctest --test-dir $(WINDOWS_BUILD_DIR) --output-on-failure -j2

test-asan: deps
	cmake --preset asan
	cmake --build --preset asan
	ctest --preset asan

# clang-format and clang-tidy; clang-tidy reads the release build's compile commands. Only
# what changed since the last commit locally, everything when CI=true (scripts/check-style).
test-style: build
	scripts/check-style -p build/release

windows: deps
	cmake --preset windows -B $(WINDOWS_BUILD_DIR)
	cmake --build $(WINDOWS_BUILD_DIR)

clean:
	rm -rf build
