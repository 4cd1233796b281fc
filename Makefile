# Tolvex: `make run` builds and starts the game, `make test` builds and runs every test.
BUILD ?= build
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo

.PHONY: all deps test-deps configure build run test bench contact-sheet sanitize-test fuzz clean package screenshots

all: build

deps:
	@bash scripts/install-deps.sh

# What only the tests use, on top of deps.
test-deps:
	@bash scripts/install-deps.sh --test

configure: deps
	@cmake -S . -B $(BUILD) -G "Unix Makefiles" $(CMAKE_FLAGS) >/dev/null

build: configure
	@cmake --build $(BUILD) -j$(JOBS)

run: build
	cd $(BUILD)/game && ./tolvex

test: build test-deps
	cd $(BUILD) && ctest --output-on-failure -j$(JOBS)

# The benchmarks, then the frame rates of the main menu and of the heaviest fight in a real window
# (scripts/menu-fps.sh, scripts/fight-fps.sh).
bench: build
	@for b in $(BUILD)/bench/*/tolvex_bench_*; do [ -x "$$b" ] && "$$b"; done
	@bash scripts/menu-fps.sh $(BUILD)
	@bash scripts/fight-fps.sh $(BUILD)

# The tests again under AddressSanitizer and UndefinedBehaviorSanitizer.
sanitize-test:
	@$(MAKE) --no-print-directory test BUILD=build-sanitize CMAKE_FLAGS="-DCMAKE_BUILD_TYPE=Debug -DTOLVEX_SANITIZE=ON"

# The fuzz targets, built with clang in build-fuzz, each run for FUZZ_SECONDS under
# AddressSanitizer and UndefinedBehaviorSanitizer (FUZZ_TARGETS picks some; see scripts/fuzz.sh).
FUZZ_SECONDS ?= 60
fuzz: deps
	@cmake -S . -B build-fuzz -G "Unix Makefiles" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_C_COMPILER=clang \
	  -DCMAKE_CXX_COMPILER=clang++ -DTOLVEX_FUZZ=ON -DBUILD_TESTING=OFF >/dev/null
	@cmake --build build-fuzz --target fuzzers -j$(JOBS)
	@FUZZ_SECONDS=$(FUZZ_SECONDS) bash scripts/fuzz.sh build-fuzz

clean:
	rm -rf $(BUILD) build-sanitize build-fuzz

# The .deb of the installed game (build/tolvex_<version>_<arch>.deb), made by CPack.
package: build
	@cd $(BUILD) && cpack -G DEB

# The README's pictures of a fight and of the menu, docs/fight.png and docs/menu.png, from a
# seeded headless run: the same build draws the same pictures.
screenshots: build
	@bash scripts/screenshots.sh $(BUILD) docs

# One picture of every generated image, for reviewing the art: build/contact-sheet.png.
contact-sheet: configure
	@cmake --build $(BUILD) --target contact_sheet -j$(JOBS)
