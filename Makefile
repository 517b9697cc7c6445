# Thin wrapper over scripts/ and the CMake presets in CMakePresets.json.

.DEFAULT_GOAL := build

# Suites run by `make test`; each is a test-<name> target below. Enabling another suite is a
# matter of adding its name here, e.g. `TEST_SUITES := test-release test-windows test-asan`.
TEST_SUITES := test-release

# Goals that need the mingw-w64 cross compiler and Wine; with any of them on the command
# line, `deps` installs those too.
WINDOWS_GOALS := test test-windows windows
DEPS_FLAGS := $(if $(filter $(WINDOWS_GOALS),$(MAKECMDGOALS)),--windows)

.PHONY: deps build run test test-release test-windows test-asan windows clean

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

test-windows: windows
	ctest --preset windows

test-asan: deps
	cmake --preset asan
	cmake --build --preset asan
	ctest --preset asan

windows: deps
	cmake --preset windows
	cmake --build --preset windows

clean:
	rm -rf build
