# Two commands for a newcomer on Debian 12: `make run` and `make test`. Both install what the
# build needs (scripts/install-deps.sh), configure and build first.
BUILD_DIR ?= build
GENERATOR ?= Ninja
CMAKE_FLAGS ?=

.PHONY: all deps configure build test run bench install deb clean

all: build

deps:
	@scripts/install-deps.sh

configure: deps
	@cmake -S . -B $(BUILD_DIR) -G $(GENERATOR) $(CMAKE_FLAGS) > /dev/null

build: configure
	@cmake --build $(BUILD_DIR)

test: build
	@scripts/check-format.sh
	@ctest --test-dir $(BUILD_DIR) --output-on-failure -j2
	@scripts/test-sanitizers.sh
	@scripts/fuzz.sh replay
	@scripts/test-packaging.sh $(BUILD_DIR)

run: build
	@scripts/run.sh $(BUILD_DIR)

bench: build
	@scripts/run-benchmarks.sh $(BUILD_DIR)

install: build
	@cmake --install $(BUILD_DIR) $(if $(PREFIX),--prefix $(PREFIX),)

# The Debian package, built from a copy of the tree: $(BUILD_DIR)/deb/kwintel_VERSION_amd64.deb.
deb: deps
	@scripts/build-deb.sh $(BUILD_DIR)

# The sanitizer test build alone, and the fuzz targets for FUZZ_SECONDS each (scripts/fuzz.sh).
.PHONY: sanitize fuzz
sanitize: deps
	@scripts/test-sanitizers.sh

fuzz: deps
	@scripts/fuzz.sh run

clean:
	@rm -rf $(BUILD_DIR)
