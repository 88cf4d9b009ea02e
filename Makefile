# The two commands: `make run` and `make test` (plus `make bench`, `make test-sanitize`
# and `make fuzz`, which CI runs as well).
BUILD ?= build
SANITIZE_BUILD ?= build-sanitize
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 60
JOBS  ?= $(shell nproc 2>/dev/null || echo 2)

BUILD_PACKAGES = cmake make g++ ccache qt6-base-dev libgtest-dev libgmock-dev libbenchmark-dev \
                 qt6-l10n-tools qt6-translations-l10n fonts-liberation2 poppler-utils \
                 libxlsxwriter-dev libsqlite3-dev libqrencode-dev zbar-tools python3-openpyxl
RUN_PACKAGES   = xvfb xauth imagemagick
CLANG_PACKAGES = clang libclang-rt-14-dev llvm

SANITIZE_FLAGS = -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer
# Any report fails: the sanitizers abort the test that made it.
SANITIZE_ENV = ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:detect_stack_use_after_return=1 \
  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

.PHONY: all build run test bench clean deps test-sanitize fuzz fuzz-build fuzz-corpus

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

# The whole suite built by clang with the address and undefined-behaviour sanitizers
# (-O1 and line tables only, quicker to build; stack traces still name the lines).
test-sanitize: deps
	@scripts/ensure-packages.sh $(CLANG_PACKAGES)
	CC=clang CXX=clang++ cmake -S . -B $(SANITIZE_BUILD) -DCMAKE_BUILD_TYPE=Sanitize -DANDEL_BENCH=OFF \
	  "-DCMAKE_CXX_FLAGS_SANITIZE=$(SANITIZE_FLAGS) -O1 -gline-tables-only" "-DCMAKE_EXE_LINKER_FLAGS=$(SANITIZE_FLAGS)"
	cmake --build $(SANITIZE_BUILD) -j $(JOBS)
	cd $(SANITIZE_BUILD) && $(SANITIZE_ENV) QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# One libFuzzer program per reader, with the same sanitizers.
fuzz-build:
	@scripts/ensure-packages.sh cmake make ccache libxlsxwriter-dev libsqlite3-dev libqrencode-dev $(CLANG_PACKAGES)
	CC=clang CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DANDEL_FUZZ=ON -DBUILD_TESTING=OFF
	cmake --build $(FUZZ_BUILD) -j $(JOBS)

# Runs each target for FUZZ_SECONDS from its corpus; crashes are kept in $(FUZZ_BUILD)/crashes.
fuzz: fuzz-build
	scripts/run-fuzzers.sh $(abspath $(FUZZ_BUILD)) $(FUZZ_SECONDS)

# Remakes the seed inputs in fuzz/corpus from the program's own writers.
fuzz-corpus: fuzz-build
	rm -rf fuzz/corpus
	$(FUZZ_BUILD)/fuzz/fuzz-seeds fuzz/corpus

clean:
	rm -rf $(BUILD) $(SANITIZE_BUILD) $(FUZZ_BUILD)

# ---- Windows and Debian: `make test-windows` and `make package` ----
# The core, its tests, the demo generator and andelstipp-cli cross-built with mingw-w64
# into their own folder, then every test and the tool's scripts run under Wine (private
# prefix in that folder). CTest's summary closes the output; a failure fails the target.
WINDOWS_BUILD    ?= build-windows
WINDOWS_PACKAGES  = cmake make ccache g++-mingw-w64-x86-64-posix tcl wine wine64 googletest python3-openpyxl
# libxlsxwriter and zlib for Windows, built once into a cache outside the clone (about a
# minute cold) by scripts/windows-xlsxwriter.sh; both Windows builds link them statically.
WINDOWS_XLSXWRITER = $(shell scripts/windows-xlsxwriter.sh --path)
# SQLite for the books likewise (about a minute and a quarter cold): Debian's sqlite3 source made
# into its one-file amalgamation (with tclsh), then cross-built by scripts/windows-sqlite.sh.
WINDOWS_SQLITE     = $(shell scripts/windows-sqlite.sh --path)
# Debian's qrencode source likewise, for the QR codes (scripts/windows-qrencode.sh, seconds cold).
WINDOWS_QRENCODE   = $(shell scripts/windows-qrencode.sh --path)
PACKAGE_PACKAGES  = dpkg-dev file desktop-file-utils

.PHONY: test-windows package clean-windows

test-windows:
	@scripts/ensure-packages.sh $(WINDOWS_PACKAGES)
	JOBS=$(JOBS) nice -n 10 scripts/windows-xlsxwriter.sh >/dev/null
	JOBS=$(JOBS) nice -n 10 scripts/windows-sqlite.sh >/dev/null
	JOBS=$(JOBS) nice -n 10 scripts/windows-qrencode.sh >/dev/null
	cmake -S . -B $(WINDOWS_BUILD) -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DANDEL_XLSXWRITER_ROOT=$(WINDOWS_XLSXWRITER) -DANDEL_SQLITE_ROOT=$(WINDOWS_SQLITE) -DANDEL_QRENCODE_ROOT=$(WINDOWS_QRENCODE)
	cmake --build $(WINDOWS_BUILD) -j $(JOBS)
	scripts/wine-tests.sh $(WINDOWS_BUILD) $(JOBS)

# A Debian package of the two programs (build/package/), unpacked and checked.
package: build
	@scripts/ensure-packages.sh $(PACKAGE_PACKAGES)
	cd $(BUILD) && cpack
	sh tests/package/package_test.sh $$(ls -t $(BUILD)/package/andelstipp_*.deb | head -1)

clean-windows:
	rm -rf $(WINDOWS_BUILD)

# ---- The desktop program on Windows: `make windows-desktop`, `make test-windows-desktop`,
# `make windows-installer` ----
# Qt for Windows is built from Debian's qtbase source once, into a cache outside the clone
# (scripts/windows-qt.sh, about 45 minutes cold); the program is built against it into
# $(WINDOWS_DESKTOP_BUILD)/program/, laid out as shipped.
WINDOWS_DESKTOP_BUILD    ?= build-windows-desktop
WINDOWS_DESKTOP_PACKAGES  = cmake ninja-build ccache g++-mingw-w64-x86-64-posix tcl qt6-base-dev qt6-base-dev-tools \
                            qt6-l10n-tools qt6-translations-l10n fonts-liberation2 icoutils wine wine64
DESKTOP_RUN_PACKAGES      = xvfb xauth xdotool imagemagick
INSTALLER_PACKAGES        = nsis
WINDOWS_QT                = $(shell scripts/windows-qt.sh --path)

.PHONY: windows-desktop test-windows-desktop windows-installer clean-windows-desktop

windows-desktop:
	@scripts/ensure-packages.sh $(WINDOWS_DESKTOP_PACKAGES)
	JOBS=$(JOBS) nice -n 10 scripts/windows-qt.sh >/dev/null
	JOBS=$(JOBS) nice -n 10 scripts/windows-xlsxwriter.sh >/dev/null
	JOBS=$(JOBS) nice -n 10 scripts/windows-sqlite.sh >/dev/null
	JOBS=$(JOBS) nice -n 10 scripts/windows-qrencode.sh >/dev/null
	cmake -S . -B $(WINDOWS_DESKTOP_BUILD) -G Ninja -DANDEL_WINDOWS_DESKTOP=ON -DCMAKE_BUILD_TYPE=Release \
	  -DANDEL_XLSXWRITER_ROOT=$(WINDOWS_XLSXWRITER) -DANDEL_SQLITE_ROOT=$(WINDOWS_SQLITE) -DANDEL_QRENCODE_ROOT=$(WINDOWS_QRENCODE) \
	  -DCMAKE_TOOLCHAIN_FILE=$(WINDOWS_QT)/lib/cmake/Qt6/qt.toolchain.cmake \
	  -DQT_CHAINLOAD_TOOLCHAIN_FILE=$(CURDIR)/cmake/mingw-w64-x86_64.cmake \
	  -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake "-DCMAKE_EXE_LINKER_FLAGS="
	cmake --build $(WINDOWS_DESKTOP_BUILD) -j $(JOBS)

# The window tests under Wine (offscreen), then the program itself on a virtual display:
# screenshots in $(WINDOWS_DESKTOP_BUILD)/screenshots/, closed by its window messages.
test-windows-desktop: windows-desktop
	@scripts/ensure-packages.sh $(DESKTOP_RUN_PACKAGES)
	scripts/wine-tests.sh $(WINDOWS_DESKTOP_BUILD) $(JOBS)
	scripts/wine-desktop-test.sh $(WINDOWS_DESKTOP_BUILD)

# $(WINDOWS_DESKTOP_BUILD)/andelstipp-VERSION-setup.exe, then installed, started and
# uninstalled under Wine.
windows-installer: windows-desktop
	@scripts/ensure-packages.sh $(INSTALLER_PACKAGES) $(DESKTOP_RUN_PACKAGES)
	scripts/windows-installer.sh $(WINDOWS_DESKTOP_BUILD)
	scripts/wine-installer-test.sh $(WINDOWS_DESKTOP_BUILD)

clean-windows-desktop:
	rm -rf $(WINDOWS_DESKTOP_BUILD)
