# Entry points for people and CI. Each target first installs whatever Debian
# packages are missing, then configures once and builds incrementally.
BUILD_DIR ?= build
CMAKE_FLAGS ?=
JOBS ?= $(shell nproc)
# The core and its tests again under AddressSanitizer and UBSan, and the
# fuzz targets (clang), each in a build folder of its own.
ASAN_DIR ?= build-asan
FUZZ_DIR ?= build-fuzz
FUZZ_SMOKE_SECONDS ?= 20
FUZZ_SECONDS ?= 600
SANITIZER_ENV = ASAN_OPTIONS=halt_on_error=1:detect_leaks=1 UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
RUN_ASAN_TESTS = cd $(ASAN_DIR) && $(SANITIZER_ENV) ctest --output-on-failure -j $(JOBS)
RUN_FUZZ_SMOKE = cd $(FUZZ_DIR) && FUZZ_SECONDS=$(FUZZ_SMOKE_SECONDS) ctest --output-on-failure -L fuzz -j $(JOBS)

.PHONY: all deps configure build test run bench clean
.PHONY: asan-build asan-test fuzz-build fuzz-smoke fuzz

all: build

deps:
	@scripts/install-deps

$(BUILD_DIR)/CMakeCache.txt: | deps
	cmake -S . -B $(BUILD_DIR) -G Ninja $(CMAKE_FLAGS)

configure: $(BUILD_DIR)/CMakeCache.txt

build: deps configure
	cmake --build $(BUILD_DIR) -j $(JOBS)

# Three phases, each with its own CTest summary; the whole suite comes last
# so that the final summary counts every test of the application.
test: build asan-build fuzz-build
	@echo "==== make test, phase 1 of 3: core tests under AddressSanitizer and UBSan ($(ASAN_DIR))"
	$(RUN_ASAN_TESTS)
	@echo "==== make test, phase 2 of 3: each fuzz target for $(FUZZ_SMOKE_SECONDS) s ($(FUZZ_DIR))"
	$(RUN_FUZZ_SMOKE)
	@echo "==== make test, phase 3 of 3: the whole test suite ($(BUILD_DIR))"
	cd $(BUILD_DIR) && ctest --output-on-failure -j $(JOBS)

# Core only, no Qt: the sanitizers look at the code that reads outside input.
$(ASAN_DIR)/CMakeCache.txt: | deps
	cmake -S . -B $(ASAN_DIR) -G Ninja -DTAVIMOR_BUILD_APP=OFF -DTAVIMOR_BUILD_BENCHMARKS=OFF \
		-DTAVIMOR_SANITIZE=address,undefined

asan-build: deps $(ASAN_DIR)/CMakeCache.txt
	cmake --build $(ASAN_DIR) -j $(JOBS)

asan-test: asan-build
	$(RUN_ASAN_TESTS)

$(FUZZ_DIR)/CMakeCache.txt: | deps
	CC=clang CXX=clang++ cmake -S . -B $(FUZZ_DIR) -G Ninja -DTAVIMOR_BUILD_FUZZERS=ON

fuzz-build: deps $(FUZZ_DIR)/CMakeCache.txt
	cmake --build $(FUZZ_DIR) -j $(JOBS)

fuzz-smoke: fuzz-build
	$(RUN_FUZZ_SMOKE)

# The long run, one target after another (FUZZ_SECONDS each). The corpora grow
# in $(FUZZ_DIR)/corpus/ from one run to the next; inputs that break a check
# are kept in $(FUZZ_DIR)/tests/fuzz/artifacts/.
fuzz: fuzz-build
	cd $(FUZZ_DIR) && FUZZ_SECONDS=$(FUZZ_SECONDS) FUZZ_CORPUS_ROOT=$(abspath $(FUZZ_DIR))/corpus \
		ctest -V -L fuzz --timeout $$(( $(FUZZ_SECONDS) + 600 ))

run: build
	@if [ -x $(BUILD_DIR)/app/tavimor ]; then \
		$(BUILD_DIR)/app/tavimor; \
	else \
		echo "The application is not built yet: only the core library and its tests exist."; \
		exit 1; \
	fi

# Benchmarks are built with everything else but run only on request.
bench: build
	@set -e; for b in $$(find $(BUILD_DIR) -type f -name 'bench_*' -perm -u+x | sort); do \
		echo "== $$b"; $$b; \
	done

clean:
	rm -rf $(BUILD_DIR)

# The app wired to the stand-in registration service on 127.0.0.1, built in a
# folder of its own so that the main build keeps the real service's address.
# The stand-in runs while the app does and stops when it closes.
DEMO_DIR ?= build-demo
DEMO_PORT ?= 18080

.PHONY: demo screenshots package

demo: deps
	cmake -S . -B $(DEMO_DIR) -G Ninja -DTAVIMOR_REGISTRATION_HOST=127.0.0.1:$(DEMO_PORT)
	cmake --build $(DEMO_DIR) -j $(JOBS) --target tavimor tavimor-standin
	scripts/demo $(DEMO_DIR) $(DEMO_PORT)

# Every page of the dialog, drawn without a display, into docs/screenshots/.
screenshots: build
	QT_QPA_PLATFORM=offscreen $(BUILD_DIR)/app/tools/tavimor-screenshots docs/screenshots

# The Debian package: $(BUILD_DIR)/tavimor_<version>_<architecture>.deb,
# installable with `apt install ./$(BUILD_DIR)/tavimor_*.deb`.
package: build
	cmake --build $(BUILD_DIR) --target package
