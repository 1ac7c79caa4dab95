# SPDX-License-Identifier: GPL-3.0-or-later
# make run   - install what is missing, build the program alone, start it on a data folder in the build tree
# make test  - install what is missing, build everything, run every test
# make test-sanitize - the same tests built with AddressSanitizer and UBSan, web and mail addresses set
# make build-clang - the libraries and the program built with clang, so the code stays portable
# make package - the Debian package, built with Debian's hardening flags, checked with lintian
BUILD ?= build
SANITIZE_BUILD ?= build-sanitize
PACKAGE_BUILD ?= build-package
CLANG_BUILD ?= build-clang
JOBS ?= $(shell nproc)

.PHONY: deps run test test-sanitize configure build build-sanitize build-clang package clean

deps:
	@scripts/ensure-deps.sh

configure: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: configure
	cmake --build $(BUILD) -j $(JOBS)

# A developer's runs keep their files in the build tree, never in the developer's own data folder.
run: configure
	cmake --build $(BUILD) -j $(JOBS) --target rova-yamato
	@echo "Data folder: $(CURDIR)/$(BUILD)/run-data"
	./$(BUILD)/rova-yamato --data-dir $(BUILD)/run-data

test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

# This build carries both addresses, so the web and e-mail buttons are there to be tested.
build-sanitize: deps
	cmake -S . -B $(SANITIZE_BUILD) -DCMAKE_BUILD_TYPE=Debug -DROVA_SANITIZE=ON \
	    -DROVA_WEB_URL=https://example.com/rova/ -DROVA_SUPPORT_MAIL=support@example.com
	cmake --build $(SANITIZE_BUILD) -j $(JOBS)

test-sanitize: build-sanitize
	cd $(SANITIZE_BUILD) && \
	ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
	LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp:print_suppressions=0 \
	UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	ctest --output-on-failure -j $(JOBS)

# The program pulls in every library; tests and tools are left to the GCC builds, to keep CI short.
build-clang: deps
	CXX=clang++-14 cmake -S . -B $(CLANG_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(CLANG_BUILD) -j $(JOBS) --target rova-yamato

# Build type None: the flags are Debian's own (dpkg-buildflags), as for any Debian package.
package: deps
	CXXFLAGS="$$(dpkg-buildflags --get CXXFLAGS) $$(dpkg-buildflags --get CPPFLAGS)" \
	LDFLAGS="$$(dpkg-buildflags --get LDFLAGS)" \
	cmake -S . -B $(PACKAGE_BUILD) -DCMAKE_BUILD_TYPE=None
	cmake --build $(PACKAGE_BUILD) -j $(JOBS) --target rova-yamato rova-desktop-files
	cd $(PACKAGE_BUILD) && cpack
	lintian --fail-on error $(PACKAGE_BUILD)/rova-yamato_*.deb
	@echo "Package: $$(ls $(PACKAGE_BUILD)/rova-yamato_*.deb)"

clean:
	rm -rf $(BUILD) $(SANITIZE_BUILD) $(PACKAGE_BUILD) $(CLANG_BUILD)
