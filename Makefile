# make run   - install what is missing, build, start Tonalith
# make test  - install what is missing, build, run every test
# make install / make package - see the README's Install section
JOBS ?= $(shell nproc)
BUILD ?= build
# ON turns warnings into errors, as CI builds.
WERROR ?= OFF
# Where make install puts the program.
PREFIX ?= /usr/local
# Who make package names as the package's maintainer, as Name <address>;
# empty for the vendor.
MAINTAINER ?=

.PHONY: setup build run test sanitize-test release bench clean install package

setup:
	@bash scripts/setup.sh

build: setup
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTONALITH_WERROR=$(WERROR)
	cmake --build $(BUILD) -j $(JOBS)

run: build
	./$(BUILD)/app/tonalith

test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

# The same tests built with AddressSanitizer and UndefinedBehaviorSanitizer.
sanitize-test: setup
	cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DTONALITH_SANITIZE=ON -DTONALITH_BENCHMARKS=OFF \
	  -DTONALITH_WERROR=$(WERROR)
	cmake --build build-asan -j $(JOBS)
	cd build-asan && ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
	  LSAN_OPTIONS=suppressions=$(CURDIR)/scripts/lsan.supp:print_suppressions=0 \
	  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	  ctest --output-on-failure -j $(JOBS)

# The optimised program as a packager builds it, in its own folder.
release: setup
	cmake -S . -B build-release -DCMAKE_BUILD_TYPE=Release -DTONALITH_WERROR=$(WERROR)
	cmake --build build-release -j $(JOBS) --target tonalith

install: build
	cmake --install $(BUILD) --prefix $(PREFIX)

# A Debian package of the program alone, without the tests and benchmarks,
# built in a folder of its own and left there.
package: setup
	cmake -S . -B build-package -DCMAKE_BUILD_TYPE=Release -DTONALITH_TESTS=OFF -DTONALITH_BENCHMARKS=OFF \
	  -DTONALITH_WERROR=$(WERROR) -DTONALITH_MAINTAINER="$(MAINTAINER)"
	cmake --build build-package -j $(JOBS)
	rm -f build-package/*.deb
	cd build-package && cpack -G DEB

bench: build
	@for b in $(BUILD)/benchmarks/*_bench; do echo "== $$b"; $$b; done

clean:
	rm -rf $(BUILD) build-asan build-release build-package
