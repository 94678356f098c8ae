# SPDX-FileCopyrightText: 2026 The Pelimor developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The two commands a player or a developer needs: `make run` and `make test`.
BUILD ?= build
CMAKE_FLAGS ?=
JOBS ?= $(shell nproc)

.PHONY: all deps configure build run web test test-sanitize test-repeat test-repeat-loaded package clean

all: build

deps:
	@scripts/install-deps

configure: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_FLAGS)

build: configure
	cmake --build $(BUILD) -j $(JOBS)

run: build
	@test -x $(BUILD)/app/pelimor || { echo "make run: the game window is not built yet"; exit 1; }
	cd $(BUILD)/app && ./pelimor

# The page in one static folder, served on localhost until Ctrl+C; the folder can go on any web
# host as it is.
PORT ?= 8000
web: configure
	cmake --build $(BUILD) --target web -j $(JOBS)
	@echo "make web: the page is in $(BUILD)/web/site; serving it on http://localhost:$(PORT)/"
	python3 -m http.server $(PORT) --bind 127.0.0.1 --directory $(BUILD)/web/site

test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)
	@$(MAKE) --no-print-directory test-sanitize

# The whole suite again under AddressSanitizer, UBSan and LeakSanitizer; any report fails it.
test-sanitize: build
	JOBS=$(JOBS) tests/sanitizers/run-tests $(BUILD)-asan $(CMAKE_FLAGS)

# The tests that run the real program on displays of their own, REPEAT times in a row each: a
# flaky one fails here long before it fails a newcomer's first `make test`.
REPEAT ?= 20
repeat_tests = ctest -R 'e2e|soak|faults|install|package|page' --repeat until-fail:$(REPEAT) \
  --output-on-failure

test-repeat: build
	cd $(BUILD) && $(repeat_tests)

# The same loop twice at once, as on a busy two-core CI machine; each copy's output is kept in
# $(BUILD)/repeat-1.log and repeat-2.log.
test-repeat-loaded: build
	cd $(BUILD) && { $(repeat_tests) > repeat-1.log 2>&1 & first=$$!; \
	  $(repeat_tests) > repeat-2.log 2>&1; second=$$?; wait $$first; first=$$?; \
	  tail -n 4 repeat-1.log repeat-2.log; [ $$first = 0 ] && [ $$second = 0 ]; }

package: build
	cd $(BUILD) && cpack -G DEB

clean:
	rm -rf $(BUILD) $(BUILD)-asan
