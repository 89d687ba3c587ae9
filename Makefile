# The commands of README.md. Each one installs what is missing, configures and builds first.
BUILD ?= build
ASAN_BUILD ?= build-asan
FUZZ_BUILD ?= build-fuzz
BENCH_BUILD ?= build-bench
PACKAGE_BUILD ?= build-package
FUZZ_SECONDS ?= 60
GAME_DIR := $(BUILD)/game
JOBS ?= $(shell nproc 2>/dev/null || echo 2)

.PHONY: all deps configure build run check format format-check tidy test test-asan fuzz screenshot window-shots motion-shots bench \
	clean package check-package check-build-types check-release-build

all: build

deps:
	@scripts/install-deps

$(BUILD)/CMakeCache.txt: | deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKORVO_WERROR=ON

configure: $(BUILD)/CMakeCache.txt

build: deps configure
	cmake --build $(BUILD) -j $(JOBS)

$(GAME_DIR)/cardfile.txt: | build
	$(BUILD)/korvo --init $(GAME_DIR)

run: build $(GAME_DIR)/cardfile.txt
	@if [ -z "$$DISPLAY" ] && [ -z "$$WAYLAND_DISPLAY" ] && [ -z "$$QT_QPA_PLATFORM" ]; then \
	  echo "There is no display here to open the window on; 'make screenshot' draws the table into PNG files instead."; \
	else \
	  $(BUILD)/korvo --dir $(GAME_DIR); \
	fi

# The fast loop: build, then the tests alone.
check: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# clang-format over every tracked C++ file; format-check fails on any file it would change.
format: deps
	git ls-files '*.cpp' '*.h' | xargs clang-format -i
format-check: deps
	git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run --Werror

# clang-tidy (.clang-tidy) over the engine, the players, the window and the program.
tidy: configure
	run-clang-tidy -quiet -p $(BUILD) -j $(JOBS) '$(CURDIR)/(game|players|window|app)/[^/]+\.cpp$$'

# The whole gate CI runs: style first, before anything is built.
test: format-check build test-asan fuzz check-package check-release-build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# The engine and its tests again, under AddressSanitizer and UndefinedBehaviorSanitizer.
test-asan: deps
	cmake -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DKORVO_WINDOW=OFF -DKORVO_SANITIZE=ON -DKORVO_WERROR=ON
	cmake --build $(ASAN_BUILD) -j $(JOBS)
	cd $(ASAN_BUILD) && ctest --output-on-failure -j $(JOBS)

# The file readers under libFuzzer with AddressSanitizer and UndefinedBehaviorSanitizer (clang),
# for FUZZ_SECONDS. The seeds of fuzz/corpus are copied into $(FUZZ_BUILD)/corpus, where what
# the fuzzer finds collects from run to run; a crash, a hang or a sanitizer report fails and
# leaves its input in $(FUZZ_BUILD)/crash-* or timeout-*.
fuzz:
	@scripts/install-deps --fuzz
	CC=clang CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DKORVO_FUZZ=ON -DKORVO_WINDOW=OFF -DKORVO_BENCH=OFF -DKORVO_WERROR=ON
	cmake --build $(FUZZ_BUILD) --target recordfile_fuzz -j $(JOBS)
	mkdir -p $(FUZZ_BUILD)/corpus && cp fuzz/corpus/* $(FUZZ_BUILD)/corpus/
	cd $(FUZZ_BUILD) && fuzz/recordfile_fuzz corpus -max_total_time=$(FUZZ_SECONDS) \
	  -max_len=16384 -timeout=10 -print_final_stats=1 -artifact_prefix=$(CURDIR)/$(FUZZ_BUILD)/ \
	  > fuzz.log 2>&1 || { tail -n 80 fuzz.log; echo "fuzz: a finding; see $(FUZZ_BUILD)/fuzz.log"; exit 1; }
	@grep -E "INITED|DONE|^Done|^stat::" $(FUZZ_BUILD)/fuzz.log
	@echo "fuzz: $$(ls $(FUZZ_BUILD)/corpus | wc -l) inputs in $(FUZZ_BUILD)/corpus"

# The Debian package, built as Debian's tools build: build type None with the flags of
# dpkg-buildflags (hardening on), only the program and its data, then CPack.
package: deps
	DEB_BUILD_MAINT_OPTIONS=hardening=+all \
	CXXFLAGS="$$(dpkg-buildflags --get CXXFLAGS) $$(dpkg-buildflags --get CPPFLAGS)" \
	LDFLAGS="$$(dpkg-buildflags --get LDFLAGS)" \
	  cmake -S . -B $(PACKAGE_BUILD) -DCMAKE_BUILD_TYPE=None -DKORVO_WERROR=ON -DKORVO_BENCH=OFF \
	  -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON
	cmake --build $(PACKAGE_BUILD) --target korvo korvo_data -j $(JOBS)
	cd $(PACKAGE_BUILD) && cpack

# Validates the package's menu entry and metadata, runs lintian, and plays a first game with
# the installed program (scripts/check-package).
check-package: package
	scripts/check-package $(PACKAGE_BUILD)

# Every build type, and None with Debian's flags, without a warning (long: five whole builds).
check-build-types: deps
	scripts/check-build-types

# The cheap form for CI: the program alone at -O3, where GCC finds the most to warn about (the
# package build above already covers None with Debian's flags).
check-release-build: deps
	scripts/check-build-types korvo Release

# In English whatever the desktop's language, and the German table once more.
screenshot: export LANGUAGE =
screenshot: export LC_ALL = C.UTF-8
screenshot: build
	rm -rf $(BUILD)/shot-game && $(BUILD)/korvo --init $(BUILD)/shot-game
	$(BUILD)/korvo --dir $(BUILD)/shot-game --screenshot docs/start.png
	printf 'Command1\n' > $(BUILD)/deal-clicks.txt
	$(BUILD)/korvo --dir $(BUILD)/shot-game --seed 7 --script $(BUILD)/deal-clicks.txt --screenshot docs/deal.png
	rm -rf $(BUILD)/shot-game && $(BUILD)/korvo --init $(BUILD)/shot-game
	QT_SCALE_FACTOR=2 $(BUILD)/korvo --dir $(BUILD)/shot-game --seed 7 --script $(BUILD)/deal-clicks.txt \
	  --screenshot docs/deal-2x.png
	rm -rf $(BUILD)/shot-game && $(BUILD)/korvo --init $(BUILD)/shot-game
	printf 'Command1\nPicture14\nPicture4\n' > $(BUILD)/throw-clicks.txt
	LANGUAGE=de $(BUILD)/korvo --dir $(BUILD)/shot-game --seed 7 --script $(BUILD)/throw-clicks.txt \
	  --screenshot docs/deal-de.png
	@echo "Wrote docs/start.png, docs/deal.png, docs/deal-2x.png and docs/deal-de.png"

window-shots: build
	@scripts/install-deps --shots
	scripts/window-shots $(BUILD) docs

# Frames of moving cards as the display shows them (Xvfb), at actual size and on a screen of
# twice the density, into docs/.
motion-shots: build
	scripts/motion-shots $(BUILD) docs

# Speed and memory against their floors, one table of ratios measured in one run (bench/run).
# A Release build of its own; warnings are not errors there, as the optimizer warns anew.
bench: deps
	cmake -S . -B $(BENCH_BUILD) -DCMAKE_BUILD_TYPE=Release -DKORVO_BENCH=ON -DKORVO_WERROR=OFF
	cmake --build $(BENCH_BUILD) -j $(JOBS) --target korvo startup_floor click_bench deck_bench \
	  record_bench motion_bench photo_deck engine_bench arena
	bench/run $(BENCH_BUILD)

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(FUZZ_BUILD) $(BENCH_BUILD) $(PACKAGE_BUILD) build-types
