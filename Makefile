# The two commands of the README: `make run` and `make test`.
BUILD ?= build
JOBS ?= $(shell nproc)

.PHONY: run test sanitize fuzz bench setup build format clean setup-package package package-check

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

# Every libFuzzer target over its seed corpus and FUZZ_RUNS generated inputs.
FUZZ_RUNS ?= 100000
fuzz: setup
	@[ -f build-fuzz/build.ninja ] || CXX=clang++ cmake -S . -B build-fuzz -G Ninja \
	    -DCMAKE_BUILD_TYPE=RelWithDebInfo -DRUOTARIO_FUZZ=ON -DRUOTARIO_TESTS=OFF
	cmake --build build-fuzz -j $(JOBS) --target fuzzers
	@for f in build-fuzz/fuzz/fuzz_*; do \
	    nome=$$(basename $$f); corpus=tests/fuzz/corpus/$${nome#fuzz_}; \
	    mkdir -p build-fuzz/corpus/$$nome; \
	    echo "== $$nome: $(FUZZ_RUNS) input"; \
	    if ! $$f -runs=$(FUZZ_RUNS) -seed=1 -max_len=4096 -timeout=10 -print_final_stats=1 \
	            -artifact_prefix=build-fuzz/ build-fuzz/corpus/$$nome $$corpus \
	            > build-fuzz/$$nome.log 2>&1; then \
	        tail -40 build-fuzz/$$nome.log; exit 1; \
	    fi; \
	    grep -E '^Done|number_of_executed_units' build-fuzz/$$nome.log; \
	done

bench: setup
	@[ -f build-bench/build.ninja ] || cmake -S . -B build-bench -G Ninja \
	    -DCMAKE_BUILD_TYPE=Release -DRUOTARIO_BENCH=ON -DRUOTARIO_TESTS=OFF
	cmake --build build-bench -j $(JOBS) --target ruotario-bench ruotario-bench-finestre
	build-bench/bin/ruotario-bench
	QT_QPA_PLATFORM=offscreen build-bench/bin/ruotario-bench-finestre

# The Debian package, from the same build tree: $(BUILD)/deb/ruotario_VERSION_amd64.deb.
setup-package:
	@scripts/installa-dipendenze.sh --pacchetto

package: setup-package build
	rm -f $(BUILD)/deb/*.deb
	cd $(BUILD) && cpack -G DEB
	dpkg-deb --info $(BUILD)/deb/*.deb

# The package checked as it ships: its desktop entry, its AppStream metadata
# with the entry it launches, lintian (an error fails; warnings and notes are
# shown). Installing and trying it is packaging/prova-installazione.sh, as root.
package-check: package
	rm -rf $(BUILD)/deb/contenuto
	dpkg-deb --extract $(BUILD)/deb/*.deb $(BUILD)/deb/contenuto
	desktop-file-validate $(BUILD)/deb/contenuto/usr/share/applications/*.desktop
	appstreamcli validate-tree --no-net --pedantic $(BUILD)/deb/contenuto
	lintian --fail-on error --display-info $(BUILD)/deb/*.deb

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD) build-bench
