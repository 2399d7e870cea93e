# The whole set-up on a fresh Debian 12 machine: `make run`, `make test`, `make bench`,
# `make package`, `make lint` or `make fuzz`.
BUILD ?= build
JOBS ?= $(shell nproc)
APP_ID = example.orlin.OrlinQuiz

.PHONY: run test bench build deps package lint fuzz clean

run: build
	./$(BUILD)/orlin-quiz

test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

# Start-up, memory and speed against their goals; on X too when DISPLAY is set.
bench: build
	./$(BUILD)/tools/bench/bench

build: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(BUILD) -j $(JOBS)

deps:
	./scripts/install_deps.sh

# The Debian package lands in $(BUILD)/: orlin-quiz_<version>_<arch>.deb. Lintian's errors and
# warnings fail the build, as they would keep a package out of Debian.
package: build
	./scripts/install_deps.sh package
	desktop-file-validate packaging/$(APP_ID).desktop
	appstreamcli validate --no-net packaging/$(APP_ID).metainfo.xml
	rm -f $(BUILD)/orlin-quiz_*.deb
	cd $(BUILD) && cpack -G DEB
	lintian --fail-on error,warning $(BUILD)/orlin-quiz_*.deb

# The layers' includes, the formatting of every C++ file, and clang-tidy on the program's sources.
lint: build
	./scripts/install_deps.sh lint
	./scripts/lint.sh $(BUILD)

# Each bank file reader under libFuzzer and the sanitizers, for FUZZ_RUNS inputs, in build-fuzz/.
FUZZ_RUNS ?= 20000
fuzz:
	./scripts/install_deps.sh
	./scripts/install_deps.sh fuzz
	./scripts/fuzz.sh $(FUZZ_RUNS)

clean:
	rm -rf $(BUILD) build-asan build-fuzz
