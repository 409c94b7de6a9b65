# Set-up and everyday commands; each one installs what is missing first.
BUILD ?= build
SAN_BUILD ?= build-sanitize
FUZZ_BUILD ?= build-fuzz
FUZZ_TIME ?= 60
JOBS ?= $(shell nproc)
# Under CI a warning in src/ fails the build.
WERROR := $(if $(filter true,$(CI)),-DVELMO_WERROR=ON)

PREFIX ?= /usr/local

.PHONY: all deps configure build run test bench bench-e2e sanitize fuzz fuzz-build fuzz-replay install package clean

# The shared compiler cache, where there is one.
LAUNCHER := $(if $(shell command -v ccache),-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
SAN_OPTIONS := QT_QPA_PLATFORM=offscreen UBSAN_OPTIONS=print_stacktrace=1 \
  LSAN_OPTIONS=suppressions=$(CURDIR)/.ci/lsan.supp:print_suppressions=0:use_tls=0

all: build

deps:
	@scripts/install-deps

configure: deps
	@[ -f $(BUILD)/build.ninja ] || cmake -S . -B $(BUILD) -G Ninja $(LAUNCHER) -DCMAKE_BUILD_TYPE=RelWithDebInfo $(WERROR)

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

run: build
	$(BUILD)/src/app/velmo

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# Installs into PREFIX (bin/velmo and the desktop files under share/).
install: build
	cmake --install $(BUILD) --prefix $(PREFIX)

# A Debian package in $(BUILD)/, installable with apt install ./velmo_*.deb.
package: build
	cd $(BUILD) && cpack -G DEB

bench: build
	@for b in $(BUILD)/bench/velmo_bench_*; do [ -x "$$b" ] && "$$b"; done

# Whole velmo render processes beside gnuplot (installed by the script when missing).
bench-e2e: build
	bench/end_to_end.py --velmo $(BUILD)/src/app/velmo

# Every layer's tests, the windows offscreen, under AddressSanitizer and
# UndefinedBehaviorSanitizer; leaks of Qt's own libraries are suppressed by name
# in .ci/lsan.supp. The leak checker does not scan thread-local storage
# (use_tls=0): with this C library it crashes on the dynamic TLS of the printing
# libraries Qt loads. Configured every time, so that an older model-only folder
# takes the whole tree.
sanitize: deps
	@cmake -S . -B $(SAN_BUILD) -G Ninja $(LAUNCHER) \
	  -DCMAKE_BUILD_TYPE=Debug -DVELMO_MODEL_ONLY=OFF -DVELMO_BENCH=OFF $(WERROR) \
	  -DCMAKE_CXX_FLAGS="-O1 -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer" \
	  > /dev/null
	@cmake --build $(SAN_BUILD) -j $(JOBS)
	cd $(SAN_BUILD) && $(SAN_OPTIONS) ctest --output-on-failure -j $(JOBS)

# The libFuzzer targets of fuzz/, built with clang: each runs FUZZ_TIME seconds
# and the run stops at the first finding, naming its reproducer (fuzz/run).
fuzz: fuzz-build
	@fuzz/run $(FUZZ_BUILD) $(FUZZ_TIME)

# The checked-in corpus once through every target.
fuzz-replay: fuzz-build
	@fuzz/run --replay $(FUZZ_BUILD)

fuzz-build: deps
	@[ -f $(FUZZ_BUILD)/build.ninja ] || CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -G Ninja \
	  $(LAUNCHER) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELMO_MODEL_ONLY=ON -DVELMO_FUZZ=ON \
	  -DVELMO_BENCH=OFF
	@cmake --build $(FUZZ_BUILD) -j $(JOBS) --target velmo_fuzz_targets

clean:
	rm -rf $(BUILD) $(SAN_BUILD) $(FUZZ_BUILD)
