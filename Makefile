# The two commands of the README, `make run` and `make test`, and `make package`.
BUILD ?= build
CMAKE_FLAGS ?=

.PHONY: all deps build run test bench package clean

all: build

deps:
	sh scripts/install-deps

build: deps
	cmake -S . -B $(BUILD) -G Ninja $(CMAKE_FLAGS)
	cmake --build $(BUILD)

run: build
	@if [ -z "$$DISPLAY$$WAYLAND_DISPLAY$$QT_QPA_PLATFORM" ]; then \
		echo "There is no display to show Vantrell's window on."; \
		echo "Start it under a virtual display instead:"; \
		echo "    cd $(BUILD)/bin && xvfb-run -a ./vantrell"; \
		exit 1; \
	fi
	cd $(BUILD)/bin && ./vantrell

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j2

BENCHMARKS = vantrell_bench vantrell_bench_report vantrell_bench_import vantrell_bench_history \
	vantrell_bench_diagnosis \
	vantrell_bench_rateproposal

bench: build
	cmake --build $(BUILD) --target $(BENCHMARKS)
	for b in $(BENCHMARKS); do $(BUILD)/bench/$$b || exit 1; done

# The Debian package, $(BUILD)/vantrell_VERSION-1_ARCH.deb, made by CPack and checked by lintian
# (which fails on an error; the warnings kept are listed in the README). dpkg-dev and file serve
# CPack's scan of the linked libraries.
package: build
	sh scripts/install-deps dpkg-dev file lintian
	rm -f $(BUILD)/vantrell_*.deb
	cd $(BUILD) && cpack -G DEB
	lintian --fail-on error $(BUILD)/vantrell_*.deb

clean:
	rm -rf $(BUILD)
