# The project's commands: make (build), make test, make demo, make bench,
# make dist (the release archive in dist/).
BUILD ?= build
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=Release

.PHONY: all build test demo bench dist bootstrap clean

all: build

bootstrap:
	./scripts/bootstrap.sh

$(BUILD)/CMakeCache.txt:
	cmake -S . -B $(BUILD) -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake $(CMAKE_FLAGS)

build: $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j $(JOBS)

test: bootstrap
	$(MAKE) build
	./scripts/session ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)

demo: bootstrap
	$(MAKE) build
	./scripts/session ./scripts/demo $(BUILD)

bench: bootstrap
	$(MAKE) $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j $(JOBS) --target report_bench musicxml_bench
	./scripts/session sh -c './scripts/wine-run $(BUILD)/bench/FINALE.EXE && ./scripts/wine-run $(BUILD)/bench/musicxml_bench.exe'

dist: bootstrap
	$(MAKE) $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j $(JOBS) --target dist

clean:
	rm -rf $(BUILD)
