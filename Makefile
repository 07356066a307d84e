# Zelmora: `make run` builds and starts the program, `make test` runs every test.
# Both first install what a fresh Debian 12 or 13 machine lacks (scripts/packages.txt).

BUILD ?= build
JOBS ?= $(shell nproc)
# Extra CMake options, such as -DCMAKE_BUILD_TYPE=Debug. A build folder keeps those it was last
# configured with; giving different ones configures it again.
CMAKE_FLAGS ?=
export CMAKE_FLAGS
# Each step prints one line; what apt-get, locale-gen, CMake and Ninja print goes to this log,
# whose end is shown when a step fails.
LOG ?= $(BUILD)/setup.log
STEP = ./scripts/logged.sh $(LOG)
FLAGS_STAMP = $(BUILD)/cmake-flags

.PHONY: run test test-sanitizers test-on build setup configure package screenshots bench format clean fuzz

setup:
	@ZELMORA_LOG=$(LOG) ./scripts/setup.sh

configure: setup
	@last=$$(cat $(FLAGS_STAMP) 2>/dev/null || true); \
	if [ -f $(BUILD)/build.ninja ] && { [ -z "$$CMAKE_FLAGS" ] || [ "$$CMAKE_FLAGS" = "$$last" ]; }; then \
		echo "configure: $(BUILD)/ is configured$${last:+ (with $$last)}"; \
	else \
		echo "configure: $(BUILD)/ with CMake and Ninja$${CMAKE_FLAGS:+ (with $$CMAKE_FLAGS)}"; \
		$(STEP) "configure: cmake" cmake -S . -B $(BUILD) -G Ninja -Wno-dev $(CMAKE_FLAGS) && \
		printf '%s\n' "$$CMAKE_FLAGS" >$(FLAGS_STAMP); \
	fi

build: configure
	@echo "build: $(BUILD)/ with Ninja, -j $(JOBS)"
	@$(STEP) "build: cmake --build" cmake --build $(BUILD) -j $(JOBS)

run: build
	@if [ -z "$$DISPLAY" ] && [ -z "$$WAYLAND_DISPLAY" ] && [ -z "$$QT_QPA_PLATFORM" ]; then \
		echo "make run: no display to show Zelmora on (DISPLAY is not set); try it under a virtual one: xvfb-run -a make run"; \
		exit 1; \
	fi
	@$(BUILD)/zelmora

test: build
	@cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

# The whole suite again, built with AddressSanitizer, UndefinedBehaviorSanitizer and
# LeakSanitizer; a report of any of them fails the run.
test-sanitizers: setup
	@echo "configure: build-sanitize/ with the sanitizers"
	@$(STEP) "configure: cmake" cmake -S . -B build-sanitize -G Ninja -Wno-dev \
		-DZELMORA_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug $(CMAKE_FLAGS)
	@echo "build: build-sanitize/ with Ninja, -j $(JOBS)"
	@$(STEP) "build: cmake --build" cmake --build build-sanitize -j $(JOBS)
	@cd build-sanitize && ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
		LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp:print_suppressions=0 \
		UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
		ctest --output-on-failure -j $(JOBS)

# The whole `make test` again, from a clean clone of HEAD, in a fresh minimal Debian system of the
# release DIST (trixie, bookworm) that debootstrap makes and that is removed afterwards; as root.
DIST ?= trixie
test-on:
	@./scripts/test-on.sh $(DIST)

# Speed and memory figures (see the README's performance section).
bench: build
	@if [ -x $(BUILD)/zelmora-bench-numbers ]; then \
		$(BUILD)/zelmora-bench-numbers --benchmark_min_time=0.5; \
	else \
		echo "bench: no zelmora-bench-numbers (configured without Google Benchmark)"; \
	fi
	@$(BUILD)/zelmora-bench-windows open 50
	@$(BUILD)/zelmora-bench-windows idle 20 10
	@./bench/startup.py $(BUILD)/zelmora 9

# The Debian package, build/zelmora_<version>_<architecture>.deb.
package: build
	@cmake --build $(BUILD) --target package

# Renders every window to PNG files in screenshots/ (at 100% and 200%).
screenshots: build
	@$(BUILD)/zelmora-render screenshots
	@$(BUILD)/zelmora-render screenshots/200 2

# Fuzzes one core target with libFuzzer and the sanitizers (clang, build-fuzz/) for SECONDS.
TARGET ?= fuzz_parse
SECONDS ?= 60
fuzz:
	@./fuzz/run.sh $(TARGET) $(SECONDS)

format:
	@clang-format -i $$(git ls-files '*.cpp' '*.h')

clean:
	@rm -rf $(BUILD) build-sanitize build-fuzz
