# The two commands: `make run` and `make test` (plus `make bench`).
BUILD ?= build
JOBS  ?= $(shell nproc 2>/dev/null || echo 2)

BUILD_PACKAGES = cmake make g++ ccache qt6-base-dev libgtest-dev libgmock-dev libbenchmark-dev
RUN_PACKAGES   = xvfb xauth imagemagick

.PHONY: all build run test bench clean deps

all: build

deps:
	@scripts/ensure-packages.sh $(BUILD_PACKAGES)

build: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(BUILD) -j $(JOBS)

run: build
	@scripts/ensure-packages.sh $(RUN_PACKAGES)
	scripts/run-demo.sh $(abspath $(BUILD))

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

bench: build
	$(BUILD)/andelstipp-demo $(BUILD)/demo
	@for b in $(BUILD)/bench/*_bench; do echo "== $$b"; \
	  ANDEL_BENCH_DIR=$(abspath $(BUILD)/demo) $$b --benchmark_repetitions=5 --benchmark_report_aggregates_only=true; done

clean:
	rm -rf $(BUILD)

# ---- Windows and Debian: `make test-windows` and `make package` ----
# The core, its tests, the demo generator and andelstipp-cli cross-built with mingw-w64
# into their own folder, then every test and the tool's scripts run under Wine (private
# prefix in that folder). CTest's summary closes the output; a failure fails the target.
WINDOWS_BUILD    ?= build-windows
WINDOWS_PACKAGES  = cmake make ccache g++-mingw-w64-x86-64-posix wine wine64 googletest
PACKAGE_PACKAGES  = dpkg-dev file desktop-file-utils

.PHONY: test-windows package clean-windows

test-windows:
	@scripts/ensure-packages.sh $(WINDOWS_PACKAGES)
	cmake -S . -B $(WINDOWS_BUILD) -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(WINDOWS_BUILD) -j $(JOBS)
	cd $(WINDOWS_BUILD) && ctest --output-on-failure -j $(JOBS)

# A Debian package of the two programs (build/package/), unpacked and checked.
package: build
	@scripts/ensure-packages.sh $(PACKAGE_PACKAGES)
	cd $(BUILD) && cpack
	sh tests/package/package_test.sh $$(ls -t $(BUILD)/package/andelstipp_*.deb | head -1)

clean-windows:
	rm -rf $(WINDOWS_BUILD)
