# The two commands of the README, `make run` and `make test`, and `make package`.
BUILD ?= build
CMAKE_FLAGS ?=

.PHONY: all deps build run test test-asan fuzz bench package clean

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

# The tests measure text in the fonts the install step brings alone (tests/fonts/fonts.conf).
test: build
	cd $(BUILD) && FONTCONFIG_FILE=$(CURDIR)/tests/fonts/fonts.conf QT_QPA_PLATFORM=offscreen \
		ctest --output-on-failure -j2

# The whole suite under AddressSanitizer and UBSan, in a tree of its own. Every process the tests
# start (the tools too) writes its report into $(ASAN_BUILD)/sanitizer-logs, so a report fails
# the run even where a test does not look at a tool's exit code; UBSan halts on its first report.
ASAN_BUILD ?= build-asan
SANITIZER_LOGS = $(CURDIR)/$(ASAN_BUILD)/sanitizer-logs

test-asan: deps
	cmake -S . -B $(ASAN_BUILD) -G Ninja -DASAN=ON -DBENCH=OFF $(CMAKE_FLAGS)
	cmake --build $(ASAN_BUILD)
	rm -rf $(SANITIZER_LOGS) && mkdir -p $(SANITIZER_LOGS)
	cd $(ASAN_BUILD) && QT_QPA_PLATFORM=offscreen FONTCONFIG_FILE=$(CURDIR)/tests/fonts/fonts.conf \
		ASAN_OPTIONS=detect_leaks=1:log_path=$(SANITIZER_LOGS)/asan \
		LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp \
		UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1:log_path=$(SANITIZER_LOGS)/ubsan \
		ctest -j2 --output-on-failure; status=$$?; \
		if [ -n "$$(ls $(SANITIZER_LOGS))" ]; then \
			cat $(SANITIZER_LOGS)/*; echo "test-asan: sanitizer reports above"; exit 1; \
		fi; exit $$status

# The fuzz targets, built with clang (Debian 12's is 14) in a tree of their own, each run for
# FUZZ_SECONDS on its seeds: a short run shows they build and start; `fuzz_NAME` runs one longer.
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 30
FUZZ_TARGETS = rtf csv qif history mt940 camt

fuzz:
	sh scripts/install-deps clang libclang-rt-14-dev
	CC=clang CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -G Ninja -DFUZZ=ON -DBENCH=OFF $(CMAKE_FLAGS)
	cmake --build $(FUZZ_BUILD) --target $(FUZZ_TARGETS:%=%_fuzz)
	cd $(FUZZ_BUILD)/fuzz && \
	for t in $(FUZZ_TARGETS); do \
		seeds=$(CURDIR)/tests/statements/import-corpus; \
		[ $$t = rtf ] && seeds="$(CURDIR)/resources/help $(CURDIR)/tests/shell/rtf-corpus"; \
		mkdir -p run-$$t && ./$${t}_fuzz -max_total_time=$(FUZZ_SECONDS) -rss_limit_mb=512 \
			-timeout=10 -print_final_stats=1 run-$$t $$seeds || exit 1; \
	done

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
