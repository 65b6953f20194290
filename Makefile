# VarKit: `make run` builds and starts the program, `make test` builds and runs every test.
BUILD_DIR ?= build
ASAN_DIR ?= build-asan
FUZZ_DIR ?= build-fuzz
FUZZ_TIME ?= 180
# xdg-utils opens the preview and links in the desktop's programs; shared-mime-info and
# desktop-file-utils bring the file-type and desktop-entry tools the .tpl association uses.
PACKAGES := cmake ninja-build g++ make qt6-base-dev libgl-dev libgtest-dev libbenchmark-dev \
            xvfb xauth imagemagick xdg-utils shared-mime-info desktop-file-utils
PREFIX ?= /usr/local
SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)
JOBS ?= $(shell nproc)

.PHONY: deps configure build run test bench asan-test fuzz-deps fuzz-build fuzz fuzz-ci install clean

# Installs only the Debian packages that are missing; a no-op when all are there.
deps:
	@missing=$$(for p in $(PACKAGES); do \
	    dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null | grep -q '^install ok installed' || echo $$p; \
	  done); \
	if [ -n "$$missing" ]; then \
	  echo "Installing missing packages:" $$missing; \
	  $(SUDO) apt-get update && DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y $$missing; \
	fi

$(BUILD_DIR)/build.ninja:
	cmake -S . -B $(BUILD_DIR) -G Ninja

build: deps $(BUILD_DIR)/build.ninja
	cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	$(BUILD_DIR)/varkit/varkit

test: build
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

bench: build
	@for b in $(BUILD_DIR)/bench/*_bench; do echo "== $$b"; $$b || exit 1; done

# The same tests under AddressSanitizer and UndefinedBehaviorSanitizer.
asan-test: deps
	cmake -S . -B $(ASAN_DIR) -G Ninja -DVARKIT_SANITIZE=ON -DVARKIT_BENCH=OFF -DCMAKE_BUILD_TYPE=Debug
	cmake --build $(ASAN_DIR) -j $(JOBS)
	cd $(ASAN_DIR) && QT_QPA_PLATFORM=offscreen \
	  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
	  LSAN_OPTIONS=suppressions=$(CURDIR)/.ci/lsan.supp:print_suppressions=0 \
	  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	  ctest --output-on-failure -j $(JOBS)

# The fuzz targets need clang and its runtime libraries (libFuzzer and the sanitizers), which
# Debian ships per clang version.
fuzz-deps: deps
	@$(MAKE) --no-print-directory deps PACKAGES=clang
	@$(MAKE) --no-print-directory deps PACKAGES="libclang-rt-$$(clang -dumpversion | cut -d. -f1)-dev"

fuzz-build: fuzz-deps
	cmake -S . -B $(FUZZ_DIR) -G Ninja -DVARKIT_FUZZ=ON -DVARKIT_BENCH=OFF -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DCMAKE_CXX_COMPILER=clang++
	cmake --build $(FUZZ_DIR) --target fuzz_targets -j $(JOBS)

# Every fuzz target for FUZZ_TIME seconds (three minutes) on a copy of the shipped corpus.
fuzz: fuzz-build
	fuzz/run.sh $(FUZZ_DIR) $(FUZZ_TIME)

# What CI runs: each target for 30 seconds.
fuzz-ci: fuzz-build
	fuzz/run.sh $(FUZZ_DIR) 30

# Installs the program, its program folder (PREFIX/share/varkit), desktop entry, file type,
# icons, metadata and manual page below PREFIX.
install: build
	cmake --install $(BUILD_DIR) --prefix $(PREFIX)

clean:
	rm -rf $(BUILD_DIR) $(ASAN_DIR) $(FUZZ_DIR)
