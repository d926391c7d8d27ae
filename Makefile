# Two entry points: `make run` and `make test`. Both install what is missing,
# configure and build first, so a fresh clone needs nothing else.
BUILD ?= build
JOBS  ?= $(shell nproc 2>/dev/null || echo 2)
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo -DORBALIS_WERROR=ON -DBUILD_TESTING=ON

.PHONY: all setup configure build programs run test bench clean

all: build

setup:
	@bash tools/setup.sh

configure: setup
	@cmake -S . -B $(BUILD) $(CMAKE_FLAGS) >/dev/null

# The two programs alone: what `make run` needs.
programs: configure
	@MAKEFLAGS= cmake --build $(BUILD) -j $(JOBS) --target orbalis orbalis-cli

build: configure
	@MAKEFLAGS= cmake --build $(BUILD) -j $(JOBS)

run: programs
	@$(BUILD)/orbalis

test: build
	@cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

bench: configure
	@MAKEFLAGS= cmake --build $(BUILD) -j $(JOBS) --target benchmarks

clean:
	@rm -rf $(BUILD)
