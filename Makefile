# Entry points for people and CI. Each target first installs whatever Debian
# packages are missing, then configures once (with the presets of
# CMakePresets.json) and builds incrementally.
#
#   make run     build and start the app
#   make translations   refresh the translation files from the sources
#   make check   build and run the main tree's tests: the edit-build-test loop
#   make test    everything CI checks: warnings as errors, the core under the
#                sanitizers, a short run of each fuzz target, the whole suite
BUILD_DIR ?= build
ASAN_DIR ?= build-asan
FUZZ_DIR ?= build-fuzz
DEMO_DIR ?= build-demo
CMAKE_FLAGS ?=
JOBS ?= $(shell nproc)
# Warnings fail the build under `make test`, as they do in CI; elsewhere they
# are only shown.
WERROR ?= OFF
FUZZ_SMOKE_SECONDS ?= 20
FUZZ_SECONDS ?= 600
DEMO_PORT ?= 18080
SANITIZER_ENV = ASAN_OPTIONS=halt_on_error=1:detect_leaks=1 UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
RUN_ASAN_TESTS = cd $(ASAN_DIR) && $(SANITIZER_ENV) ctest --output-on-failure -j $(JOBS)
RUN_FUZZ_SMOKE = cd $(FUZZ_DIR) && FUZZ_SECONDS=$(FUZZ_SMOKE_SECONDS) ctest --output-on-failure -L fuzz -j $(JOBS)

# $(call configure,PRESET,FOLDER): configures FOLDER from PRESET the first
# time, and again only when WERROR differs from what it was configured with.
define configure
	@if ! grep -qs '^CMAKE_COMPILE_WARNING_AS_ERROR:BOOL=$(WERROR)$$' $(2)/CMakeCache.txt; then \
		echo "cmake --preset $(1) -B $(2) -DCMAKE_COMPILE_WARNING_AS_ERROR=$(WERROR) $(3)"; \
		cmake --preset $(1) -B $(2) -DCMAKE_COMPILE_WARNING_AS_ERROR=$(WERROR) $(3); \
	fi
endef

.PHONY: all deps build check test run bench clean format
.PHONY: asan-build asan-test fuzz-build fuzz-smoke fuzz demo screenshots package translations

all: build

deps:
	@scripts/install-deps

build: deps
	$(call configure,default,$(BUILD_DIR),$(CMAKE_FLAGS))
	cmake --build $(BUILD_DIR) -j $(JOBS)

check: build
	cd $(BUILD_DIR) && ctest --output-on-failure -j $(JOBS)

# Three phases, each with its own CTest summary; the whole suite comes last
# so that the final summary counts every test of the application.
test: WERROR = ON
test: build asan-build fuzz-build
	@echo "==== make test, phase 1 of 3: core tests under AddressSanitizer and UBSan ($(ASAN_DIR))"
	$(RUN_ASAN_TESTS)
	@echo "==== make test, phase 2 of 3: each fuzz target for $(FUZZ_SMOKE_SECONDS) s ($(FUZZ_DIR))"
	$(RUN_FUZZ_SMOKE)
	@echo "==== make test, phase 3 of 3: the whole test suite ($(BUILD_DIR))"
	cd $(BUILD_DIR) && ctest --output-on-failure -j $(JOBS)

# Core only, no Qt: the sanitizers look at the code that reads outside input.
asan-build: deps
	$(call configure,asan,$(ASAN_DIR))
	cmake --build $(ASAN_DIR) -j $(JOBS)

asan-test: asan-build
	$(RUN_ASAN_TESTS)

fuzz-build: deps
	$(call configure,fuzz,$(FUZZ_DIR))
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

# Benchmarks are built with everything else but run only on request: the
# Google Benchmarks, then the start-up and idle memory of the application
# beside an empty dialog (bench/startup_compare.sh).
bench: build
	@set -e; for b in $$(find $(BUILD_DIR)/bench -type f -name 'bench_*' ! -name bench_empty_dialog ! -name bench_app_start -perm -u+x | sort); do \
		echo "== $$b"; $$b; \
	done
	bench/startup_compare.sh $(BUILD_DIR)

clean:
	rm -rf $(BUILD_DIR) $(ASAN_DIR) $(FUZZ_DIR) $(DEMO_DIR)

# Formats every C++ file of the repository by .clang-format.
format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

# The app wired to the stand-in registration service on 127.0.0.1, built in a
# folder of its own so that the main build keeps the real service's address.
# The stand-in runs while the app does and stops when it closes.
demo: deps
	cmake --preset demo -B $(DEMO_DIR) -DTAVIMOR_REGISTRATION_HOST=127.0.0.1:$(DEMO_PORT)
	cmake --build $(DEMO_DIR) -j $(JOBS) --target tavimor tavimor-standin
	scripts/demo $(DEMO_DIR) $(DEMO_PORT)

# Brings the translation files in i18n/ up to date with the texts of the
# sources (lupdate, with texts no longer there dropped); then translate what
# is new or unfinished, e.g. in Qt Linguist.
translations: deps
	$(call configure,default,$(BUILD_DIR),$(CMAKE_FLAGS))
	cmake --build $(BUILD_DIR) --target update_translations

# Every page of the dialog, drawn without a display, into docs/screenshots/.
screenshots: build
	QT_QPA_PLATFORM=offscreen $(BUILD_DIR)/tools/screenshots/tavimor-screenshots docs/screenshots

# The Debian package: $(BUILD_DIR)/tavimor_<version>_<architecture>.deb,
# installable with `apt install ./$(BUILD_DIR)/tavimor_*.deb`.
package: build
	cmake --build $(BUILD_DIR) --target package
