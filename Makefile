# Tolvex: `make run` builds and starts the game, `make test` builds and runs every test.
BUILD ?= build
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo

.PHONY: all deps configure build run test bench contact-sheet sanitize-test clean

all: build

deps:
	@bash scripts/install-deps.sh

configure: deps
	@cmake -S . -B $(BUILD) -G "Unix Makefiles" $(CMAKE_FLAGS) >/dev/null

build: configure
	@cmake --build $(BUILD) -j$(JOBS)

run: build
	cd $(BUILD)/game && ./tolvex

test: build
	cd $(BUILD) && ctest --output-on-failure -j$(JOBS)

bench: build
	@for b in $(BUILD)/bench/*/tolvex_bench_*; do [ -x "$$b" ] && "$$b"; done

# The tests again under AddressSanitizer and UndefinedBehaviorSanitizer.
sanitize-test:
	@$(MAKE) --no-print-directory test BUILD=build-sanitize CMAKE_FLAGS="-DCMAKE_BUILD_TYPE=Debug -DTOLVEX_SANITIZE=ON"

clean:
	rm -rf $(BUILD) build-sanitize

# One picture of every generated image, for reviewing the art: build/contact-sheet.png.
contact-sheet: configure
	@cmake --build $(BUILD) --target contact_sheet -j$(JOBS)
