# The two commands a newcomer needs: `make run` and `make test`.
BUILD := build
JOBS := $(shell nproc)

.PHONY: all deps build run test bench clean

all: build

deps:
	@bash scripts/install-deps.sh
	@bash scripts/build-deps.sh

$(BUILD)/CMakeCache.txt: | deps
	cmake -S . -B $(BUILD) -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake -DCMAKE_BUILD_TYPE=Release

build: deps $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j$(JOBS)

run: build
	@bash scripts/run.sh

test: build
	@bash scripts/test-session.sh

bench: build
	cmake --build $(BUILD) -j$(JOBS) --target paste_bench floor_window
	@bash scripts/bench.sh

clean:
	rm -rf $(BUILD)/CMakeFiles $(BUILD)/CMakeCache.txt $(BUILD)/bin
