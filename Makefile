# The two commands of the README: `make run` and `make test`.
BUILD ?= build
JOBS ?= $(shell nproc)

.PHONY: run test sanitize bench setup build format clean

setup:
	@scripts/installa-dipendenze.sh

build: setup
	@[ -f $(BUILD)/build.ninja ] || cmake -S . -B $(BUILD) -G Ninja
	cmake --build $(BUILD) -j $(JOBS)

run: build
	$(BUILD)/bin/ruotario

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# The whole suite again, built with AddressSanitizer and UndefinedBehaviorSanitizer.
sanitize: setup
	@[ -f build-asan/build.ninja ] || cmake -S . -B build-asan -G Ninja \
	    -DCMAKE_BUILD_TYPE=Debug -DRUOTARIO_SANITIZE=ON
	cmake --build build-asan -j $(JOBS)
	cd build-asan && QT_QPA_PLATFORM=offscreen \
	    ASAN_OPTIONS=detect_leaks=1 \
	    UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	    ctest --output-on-failure -j $(JOBS)

bench: setup
	@[ -f build-bench/build.ninja ] || cmake -S . -B build-bench -G Ninja \
	    -DCMAKE_BUILD_TYPE=Release -DRUOTARIO_BENCH=ON -DRUOTARIO_TESTS=OFF
	cmake --build build-bench -j $(JOBS) --target ruotario-bench
	build-bench/bin/ruotario-bench

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD) build-bench
