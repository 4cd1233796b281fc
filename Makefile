# Tolvex: `make run` builds and starts the game, `make test` builds and runs every test.
BUILD ?= build
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo

# ccache, where installed (scripts/install-deps.sh installs it), serves compilations this machine
# has made before, also from another checkout: paths below the checkout count relative to it.
ifneq ($(shell command -v ccache),)
LAUNCHER_FLAGS := -DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache
export CCACHE_BASEDIR := $(CURDIR)
export CCACHE_NOHASHDIR := 1
# The test programs' precompiled headers are cached too.
export CCACHE_SLOPPINESS := pch_defines,time_macros,include_file_mtime,include_file_ctime
endif

# One clang build with AddressSanitizer and UndefinedBehaviorSanitizer serves the tests, the fuzz
# targets and the whole games under the sanitizers; it takes the generated files from $(BUILD).
SANITIZE_BUILD ?= build-sanitize
SANITIZE_FLAGS = -DCMAKE_BUILD_TYPE=Debug -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
  -DTOLVEX_SANITIZE=ON -DTOLVEX_FUZZ=ON -DTOLVEX_ASSETS_FROM=$(abspath $(BUILD))

# The tests of the threads that draw and show a frame under ThreadSanitizer, in a clang build of
# their own (it cannot share one with AddressSanitizer).
THREAD_BUILD ?= build-thread
THREAD_FLAGS = -DCMAKE_BUILD_TYPE=Debug -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
  -DTOLVEX_THREAD_SANITIZE=ON -DTOLVEX_ASSETS_FROM=$(abspath $(BUILD))
THREAD_TEST_FOLDERS = platform effects

.PHONY: all deps test-deps configure build assets run test bench contact-sheet sanitize-configure sanitize-test fuzz \
  thread-test clean package screenshots

all: build

deps:
	@bash scripts/install-deps.sh

# What only the tests use, on top of deps.
test-deps:
	@bash scripts/install-deps.sh --test

configure: deps
	@cmake -S . -B $(BUILD) -G "Unix Makefiles" $(LAUNCHER_FLAGS) $(CMAKE_FLAGS) >/dev/null

build: configure
	@cmake --build $(BUILD) -j$(JOBS)

# The generated artwork, fonts, sounds, songs and icons alone.
assets: configure
	@cmake --build $(BUILD) --target tolvex_assets -j$(JOBS)

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

# The sanitizer build's folder, configured (scripts/games.sh builds its program there).
sanitize-configure: assets
	@$(MAKE) --no-print-directory configure BUILD=$(SANITIZE_BUILD) CMAKE_FLAGS="$(SANITIZE_FLAGS)"

# The tests again under AddressSanitizer and UndefinedBehaviorSanitizer.
sanitize-test: sanitize-configure
	@$(MAKE) --no-print-directory test BUILD=$(SANITIZE_BUILD) CMAKE_FLAGS="$(SANITIZE_FLAGS)"

# The fuzz targets of the sanitizer build, each run for FUZZ_SECONDS (FUZZ_TARGETS picks some; see
# scripts/fuzz.sh).
FUZZ_SECONDS ?= 60
fuzz: sanitize-configure
	@cmake --build $(SANITIZE_BUILD) --target fuzzers -j$(JOBS)
	@FUZZ_SECONDS=$(FUZZ_SECONDS) bash scripts/fuzz.sh $(SANITIZE_BUILD)

# The drawing threads' tests (the banded frame, the presenter, the window copy, particles drawn in
# bands) under ThreadSanitizer: a race between the threads fails them.
thread-test: assets test-deps
	@$(MAKE) --no-print-directory configure BUILD=$(THREAD_BUILD) CMAKE_FLAGS="$(THREAD_FLAGS)"
	@cmake --build $(THREAD_BUILD) -j$(JOBS) --target $(THREAD_TEST_FOLDERS:%=tolvex_%_tests)
	@for folder in $(THREAD_TEST_FOLDERS); do \
	  (cd $(THREAD_BUILD)/tests/$$folder && ./tolvex_$${folder}_tests --gtest_brief=1) || exit 1; \
	done

clean:
	rm -rf $(BUILD) $(SANITIZE_BUILD) $(THREAD_BUILD)

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
