# make run    build and start the desktop program on the bundled demo backup
# make run-cli build and scan the demo backup with the command-line tool
# make test   build, run the tests, then again under ASan+UBSan, then a short fuzz run
# make bench  build in release mode and run the benchmarks
JOBS ?= $(shell nproc)
BUILD ?= build

.PHONY: deps build run run-cli test test-sanitize fuzz bench screenshot clean

deps:
	./tools/install-deps.sh

build: deps
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(BUILD) -j $(JOBS)

run: build
	./$(BUILD)/app/halvane res/samples/demo.bkf

run-cli: build
	./$(BUILD)/cli/halvane-cli scan res/samples/demo.bkf

screenshot: build
	./tools/screenshot.sh $(BUILD) res/images/main-window.png

test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)
	$(MAKE) test-sanitize
	$(MAKE) fuzz

test-sanitize: deps
	cmake -S . -B $(BUILD)-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DHALVANE_SANITIZE=ON -DHALVANE_BUILD_GUI=ON
	cmake --build $(BUILD)-asan -j $(JOBS)
	cd $(BUILD)-asan && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 ctest --output-on-failure -j $(JOBS)

fuzz: deps
	cmake -S . -B $(BUILD)-fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DHALVANE_FUZZ=ON -DHALVANE_BUILD_GUI=OFF -DBUILD_TESTING=OFF
	cmake --build $(BUILD)-fuzz -j $(JOBS) --target fuzz_scan
	mkdir -p $(BUILD)-fuzz/corpus
	cp tests/fuzz_regressions/* res/samples/demo.bkf $(BUILD)-fuzz/corpus/
	./$(BUILD)-fuzz/fuzz/fuzz_scan -max_total_time=$${FUZZ_SECONDS:-60} -max_len=65536 -timeout=10 \
	  -artifact_prefix=$(BUILD)-fuzz/ $(BUILD)-fuzz/corpus

bench: deps
	cmake -S . -B $(BUILD)-release -G Ninja -DCMAKE_BUILD_TYPE=Release
	cmake --build $(BUILD)-release -j $(JOBS)
	./bench/run.sh $(BUILD)-release

clean:
	rm -rf $(BUILD) $(BUILD)-asan $(BUILD)-fuzz $(BUILD)-release
