# The whole set-up on a fresh Debian 12 machine: `make run` or `make test`.
BUILD ?= build
JOBS ?= $(shell nproc)

.PHONY: run test build deps clean

run: build
	./$(BUILD)/orlin-quiz

test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

build: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(BUILD) -j $(JOBS)

deps:
	./scripts/install_deps.sh

clean:
	rm -rf $(BUILD) build-asan
