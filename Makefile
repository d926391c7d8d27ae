# Two entry points: `make run` and `make test`. Both install what is missing,
# configure and build first, so a fresh clone needs nothing else.
BUILD ?= build
JOBS  ?= $(shell nproc 2>/dev/null || echo 2)

.PHONY: all setup configure build run test bench clean

all: build

setup:
	@bash tools/setup.sh

configure: setup
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null

build: configure
	@MAKEFLAGS= cmake --build $(BUILD) -j $(JOBS)

run: build
	@$(BUILD)/orbalis

test: build
	@cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

bench: configure
	@MAKEFLAGS= cmake --build $(BUILD) -j $(JOBS) --target benchmarks

clean:
	@rm -rf $(BUILD)
