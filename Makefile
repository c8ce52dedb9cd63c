# Thin front end over CMake and CTest; see the README.
BUILD ?= build
SANITIZE_BUILD ?= build-sanitize
JOBS ?= $(shell nproc)
# The sanitized build's compiler: clang, plain or of whichever version is
# installed, the newest first.
SANITIZE_CXX ?= $(firstword $(shell command -v clang++) $(shell ls -v /usr/bin/clang++-[0-9]* 2>/dev/null | tac))
CACHE := $(BUILD)/CMakeCache.txt
# CMake's own makefiles run as sub-makes, which would announce every directory.
MAKEFLAGS += --no-print-directory

.PHONY: build run test sanitize-test bench package clean with-tests

build: $(CACHE)
	cmake --build $(BUILD) -j $(JOBS)

# Configured once: the builds re-run CMake themselves when a CMakeLists.txt
# changes.
$(CACHE):
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo --log-level=NOTICE

# A build first configured to play gets the tests added on the first test run.
with-tests: $(CACHE)
	@grep -q '^QUORVEL_TESTS:BOOL=ON$$' $(CACHE) || cmake $(BUILD) -DQUORVEL_TESTS=ON --log-level=NOTICE

run: $(CACHE)
	cmake --build $(BUILD) -j $(JOBS) --target quorvel
	./$(BUILD)/quorvel

# ctest's own output shows nothing of a passing test, so the seed the soak
# played is read from the results it writes: QUORVEL_SOAK_SEED=SEED replays
# the same events.
soak_seed = @sed -n 's/.*soak seed \([0-9]*\).*/The soak in $(1) played seed \1./p' $(1)/ctest-results.xml

test: with-tests
	cmake --build $(BUILD) -j $(JOBS)
	QT_QPA_PLATFORM=offscreen ctest --test-dir $(BUILD) --output-on-failure --output-junit ctest-results.xml -j $(JOBS)
	$(call soak_seed,$(BUILD))
	$(MAKE) sanitize-test
	$(MAKE) reproducible-check

SANITIZE_CACHE := $(SANITIZE_BUILD)/CMakeCache.txt

$(SANITIZE_CACHE):
	cmake -S . -B $(SANITIZE_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=$(SANITIZE_CXX) \
		-DQUORVEL_SANITIZE=ON -DQUORVEL_TESTS=ON --log-level=NOTICE

# Every test once more, built by clang with the address and undefined-behaviour
# sanitizers; the first report ends the test.
sanitize-test: $(SANITIZE_CACHE)
	cmake --build $(SANITIZE_BUILD) -j $(JOBS)
	QT_QPA_PLATFORM=offscreen UBSAN_OPTIONS=print_stacktrace=1 ctest --test-dir $(SANITIZE_BUILD) --output-on-failure \
		--output-junit ctest-results.xml -j $(JOBS)
	$(call soak_seed,$(SANITIZE_BUILD))

bench: with-tests
	cmake --build $(BUILD) -j $(JOBS) --target engine_bench
	@echo "Note: Debian builds Google Benchmark optimised but with its own checks on, hence its"
	@echo "'built as DEBUG' warning below; the code measured and the timing loop are built here"
	@echo "with -O2 -DNDEBUG, and the library's checks run only between batches. See the README."
	./$(BUILD)/bench/engine_bench

# Only what the package holds is built, even where the tests are configured.
# cpack gives the package's three members the modes their files get from the
# umask, so it runs under the usual one whatever the user's.
package: $(CACHE)
	cmake --build $(BUILD) -j $(JOBS) --target package_files
	cd $(BUILD) && umask 022 && cpack -G DEB

# Two builds of the committed HEAD in two temporary folders give the same
# package, byte for byte; the last step of `make test`, so that a change
# which makes the package differ from one build to the next fails there.
.PHONY: reproducible-check
reproducible-check:
	JOBS=$(JOBS) bash tools/reproducible-check.sh

clean:
	rm -rf $(BUILD) $(SANITIZE_BUILD)

# Painting cost, start-up and memory under a virtual X display, against a
# bare Qt window, a window that repaints the whole well and preview every
# 20 ms, and the game of an earlier commit (needs xvfb and xdotool);
# measure-startup leaves out the play.
.PHONY: measure measure-startup
measure:
	BUILD=$(BUILD) python3 tools/measure.py

measure-startup:
	BUILD=$(BUILD) python3 tools/measure.py 15 "" "1 2" startup
