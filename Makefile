# Two entry points: `make run` and `make test`. Both install what is missing,
# configure and build first, so a fresh clone needs nothing else.
BUILD ?= build
JOBS  ?= $(shell nproc 2>/dev/null || echo 2)
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo -DORBALIS_WERROR=ON -DBUILD_TESTING=ON
PREFIX ?= /usr/local
# The Debian package is built apart, as a packager would build it: optimised,
# with Debian's hardening flags, without the tests, and not stopped by a
# compiler's warning.
PACKAGE_BUILD ?= build-package
BUILDFLAGS = DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --get

.PHONY: all setup configure build programs run test bench install package fuzz test-sanitize format format-check clean

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

# Every C++ file of the tree as .clang-format lays it out: `make format`
# rewrites them, `make format-check` (run by CI) names any that differ.
FORMAT_FILES = git ls-files -z -- '*.cpp' '*.h'

format: setup
	@$(FORMAT_FILES) | xargs -0 clang-format -i

format-check: setup
	@$(FORMAT_FILES) | xargs -0 clang-format --dry-run --Werror

# make install PREFIX=~/.local (default /usr/local); DESTDIR is honoured too.
install: configure
	@MAKEFLAGS= cmake --build $(BUILD) -j $(JOBS) --target installable
	@cmake --install $(BUILD) --prefix $(PREFIX)

package: setup
	@CXXFLAGS="$$($(BUILDFLAGS) CXXFLAGS) $$($(BUILDFLAGS) CPPFLAGS)" \
	 LDFLAGS="$$($(BUILDFLAGS) LDFLAGS)" \
	 cmake -S . -B $(PACKAGE_BUILD) -DCMAKE_BUILD_TYPE=Release >/dev/null
	@MAKEFLAGS= cmake --build $(PACKAGE_BUILD) -j $(JOBS)
	@cd $(PACKAGE_BUILD) && cpack -G DEB

bench: configure
	@MAKEFLAGS= cmake --build $(BUILD) -j $(JOBS) --target benchmarks

# The whole suite, window tests included, built with AddressSanitizer and
# UndefinedBehaviorSanitizer in a build folder of its own.
SANITIZE_BUILD ?= build-sanitize
SANITIZE_FLAGS = -fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer
SANITIZE_ENV = ASAN_OPTIONS=detect_leaks=1:strict_string_checks=1:detect_stack_use_after_return=1 \
  LSAN_OPTIONS=suppressions=$(CURDIR)/tools/sanitizer/leaks.supp:print_suppressions=0 \
  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

test-sanitize: setup
	@cmake -S . -B $(SANITIZE_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=ON \
	  -DCMAKE_CXX_FLAGS="$(SANITIZE_FLAGS)" -DCMAKE_EXE_LINKER_FLAGS="$(SANITIZE_FLAGS)" >/dev/null
	@MAKEFLAGS= cmake --build $(SANITIZE_BUILD) -j $(JOBS)
	@cd $(SANITIZE_BUILD) && $(SANITIZE_ENV) ctest --output-on-failure -j $(JOBS)

# The fuzz targets under libFuzzer (clang), each run FUZZ_SECONDS from the
# committed seeds; `make fuzz FUZZ_SECONDS=600 FUZZ_TARGETS=csv_batch` for one.
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 60
FUZZ_TARGETS ?=
FUZZ_FLAGS = -fsanitize=address,undefined,fuzzer-no-link -fno-sanitize-recover=undefined

fuzz: setup
	@CC=clang CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DORBALIS_FUZZ=ON -DBUILD_TESTING=OFF -DCMAKE_CXX_FLAGS="$(FUZZ_FLAGS)" >/dev/null
	@MAKEFLAGS= cmake --build $(FUZZ_BUILD) -j $(JOBS) --target fuzz_targets
	@fuzz/run.sh $(FUZZ_BUILD) $(FUZZ_SECONDS) $(FUZZ_TARGETS)

clean:
	@rm -rf $(BUILD) $(PACKAGE_BUILD) $(FUZZ_BUILD) $(SANITIZE_BUILD)
