# The two commands of the README: `make run` and `make test`.
BUILD ?= build
JOBS ?= $(shell nproc)

.PHONY: run test bench setup build format clean

setup:
	@scripts/installa-dipendenze.sh

build: setup
	@[ -f $(BUILD)/build.ninja ] || cmake -S . -B $(BUILD) -G Ninja
	cmake --build $(BUILD) -j $(JOBS)

run: build
	$(BUILD)/bin/ruotario

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

bench: setup
	@[ -f build-bench/build.ninja ] || cmake -S . -B build-bench -G Ninja \
	    -DCMAKE_BUILD_TYPE=Release -DRUOTARIO_BENCH=ON -DRUOTARIO_TESTS=OFF
	cmake --build build-bench -j $(JOBS) --target ruotario-bench
	build-bench/bin/ruotario-bench

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD) build-bench
