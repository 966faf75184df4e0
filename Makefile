# Two commands: `make run` and `make test`. Both install what is missing first.
BUILD ?= build
JOBS ?= $(shell nproc)

.PHONY: deps build program run test test-asan fuzz bench install package clean

deps:
	@tools/install-deps.sh

build: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
	cmake --build $(BUILD) -j $(JOBS)

run: build
	@tools/run.sh $(BUILD)/coinwick ledger

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# The whole suite again, built with AddressSanitizer and UndefinedBehaviorSanitizer.
test-asan: deps
	cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DCW_SANITIZE=ON >/dev/null
	cmake --build build-asan -j $(JOBS)
	cd build-asan && QT_QPA_PLATFORM=offscreen \
	  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
	  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	  LSAN_OPTIONS=suppressions=$(CURDIR)/tools/lsan.supp \
	  ctest --output-on-failure -j $(JOBS)

# libFuzzer targets, built with clang, a fixed number of inputs from a fixed seed.
fuzz: deps
	tools/run-fuzzers.sh

bench: build
	$(BUILD)/coinwick_bench

# The program alone, without the tests and benchmarks.
program: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
	cmake --build $(BUILD) -j $(JOBS) --target coinwick

# The program, its launcher (starts it in ~/Coinwick), desktop entry, icon,
# AppStream metainfo, manual page and the README (packaging/CMakeLists.txt).
# DESTDIR stages the install.
PREFIX ?= /usr/local
install: program
	DESTDIR="$(DESTDIR)" cmake --install $(BUILD) --prefix "$(PREFIX)"

# The same files as a Debian package for /usr, with its library dependencies.
package: program
	cd $(BUILD) && cpack -G DEB
	@echo "Package: $$(realpath $(BUILD)/coinwick_*.deb)"

clean:
	rm -rf $(BUILD)
