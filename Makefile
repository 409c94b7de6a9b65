# Set-up and everyday commands; each one installs what is missing first.
BUILD ?= build
SAN_BUILD ?= build-sanitize
JOBS ?= $(shell nproc)
# Under CI a warning in src/ fails the build.
WERROR := $(if $(filter true,$(CI)),-DVELMO_WERROR=ON)

PREFIX ?= /usr/local

.PHONY: all deps configure build run test bench bench-e2e sanitize install package clean

all: build

deps:
	@scripts/install-deps

configure: deps
	@[ -f $(BUILD)/build.ninja ] || cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo $(WERROR)

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

# The model layers' tests under AddressSanitizer and UndefinedBehaviorSanitizer.
sanitize: deps
	@[ -f $(SAN_BUILD)/build.ninja ] || cmake -S . -B $(SAN_BUILD) -G Ninja \
	  -DCMAKE_BUILD_TYPE=Debug -DVELMO_MODEL_ONLY=ON -DVELMO_BENCH=OFF $(WERROR) \
	  -DCMAKE_CXX_FLAGS="-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer"
	@cmake --build $(SAN_BUILD) -j $(JOBS)
	cd $(SAN_BUILD) && ctest --output-on-failure -j $(JOBS)

clean:
	rm -rf $(BUILD) $(SAN_BUILD)
