# Entry points for people and CI. Each target first installs whatever Debian
# packages are missing, then configures once and builds incrementally.
BUILD_DIR ?= build
CMAKE_FLAGS ?=
JOBS ?= $(shell nproc)

.PHONY: all deps configure build test run bench clean

all: build

deps:
	@scripts/install-deps

$(BUILD_DIR)/CMakeCache.txt: | deps
	cmake -S . -B $(BUILD_DIR) -G Ninja $(CMAKE_FLAGS)

configure: $(BUILD_DIR)/CMakeCache.txt

build: deps configure
	cmake --build $(BUILD_DIR) -j $(JOBS)

test: build
	cd $(BUILD_DIR) && ctest --output-on-failure -j $(JOBS)

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
