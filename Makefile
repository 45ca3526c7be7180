# Thin wrapper over the CMake presets. `make run` starts the calendar, `make test` runs every test.
.PHONY: all deps configure build run test bench sanitize fuzz screenshot install package clean

PRESET ?= default
BUILD_DIR := build
JOBS ?= $(shell nproc)
# Test discovery runs the test programs during the build; they need no display.
HEADLESS := QT_QPA_PLATFORM=offscreen

all: build

deps:
	@scripts/install-deps

configure: deps
	@cmake --preset $(PRESET) >/dev/null

build: configure
	@$(HEADLESS) cmake --build --preset $(PRESET) -j $(JOBS)

run: build
	$(BUILD_DIR)/main/ruxa-calendar

test: build
	@scripts/run-tests $(BUILD_DIR)

bench: build
	@scripts/run-benchmarks $(BUILD_DIR)

sanitize: deps
	@cmake --preset sanitize >/dev/null
	@$(HEADLESS) cmake --build --preset sanitize -j $(JOBS)
	@scripts/run-tests build-sanitize -L core

fuzz: deps
	@cmake --preset fuzz >/dev/null
	@cmake --build --preset fuzz -j $(JOBS)
	@scripts/run-fuzzers build-fuzz $(FUZZ_SECONDS)

screenshot: build
	@scripts/take-screenshots $(BUILD_DIR)

install: build
	@cmake --install $(BUILD_DIR) $(if $(PREFIX),--prefix $(PREFIX))

package: build
	@cd $(BUILD_DIR) && cpack -G DEB

clean:
	rm -rf build build-sanitize build-fuzz
