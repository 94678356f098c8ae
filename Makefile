# SPDX-FileCopyrightText: 2026 The Pelimor developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The two commands a player or a developer needs: `make run` and `make test`.
BUILD ?= build
CMAKE_FLAGS ?=
JOBS ?= $(shell nproc)

.PHONY: all deps configure build run test test-sanitize package clean

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

test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)
	@$(MAKE) --no-print-directory test-sanitize

# The whole suite again under AddressSanitizer, UBSan and LeakSanitizer; any report fails it.
test-sanitize: build
	JOBS=$(JOBS) tests/sanitizers/run-tests $(BUILD)-asan $(CMAKE_FLAGS)

package: build
	cd $(BUILD) && cpack -G DEB

clean:
	rm -rf $(BUILD) $(BUILD)-asan
