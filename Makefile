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

.PHONY: all setup configure build programs run test bench install package clean

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

clean:
	@rm -rf $(BUILD) $(PACKAGE_BUILD)
