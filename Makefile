# Thin front end over CMake and CTest; see the README.
BUILD ?= build
JOBS ?= $(shell nproc)

.PHONY: configure build run test bench package clean

configure:
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: configure
	cmake --build $(BUILD) -j $(JOBS)

run: build
	./$(BUILD)/quorvel

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

bench: build
	./$(BUILD)/bench/engine_bench

package: build
	cd $(BUILD) && cpack -G DEB

clean:
	rm -rf $(BUILD)

# Painting cost, start-up and memory under a virtual X display, against a
# bare Qt window and the full repaint of ac8289d (needs xvfb and xdotool).
.PHONY: measure
measure:
	BUILD=$(BUILD) bash tools/measure.sh
