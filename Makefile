# The two commands: `make run` and `make test` (plus `make bench`).
BUILD ?= build
JOBS  ?= $(shell nproc 2>/dev/null || echo 2)

BUILD_PACKAGES = cmake make g++ ccache qt6-base-dev libgtest-dev libgmock-dev libbenchmark-dev \
                 qt6-l10n-tools qt6-translations-l10n fonts-liberation2 poppler-utils
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
