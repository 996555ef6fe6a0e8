# The two commands of README.md, `make demo` and `make test`, and the
# install: `make install` (PREFIX, DESTDIR) and `make package` (a .deb).
BUILD ?= build
JOBS ?= $(shell nproc)
PREFIX ?= /usr/local

FUZZ_BUILD ?= build-fuzz

.PHONY: all deps build test demo bench fuzz install package clean

all: build

deps:
	@scripts/install-deps.sh

$(BUILD)/CMakeCache.txt:
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null

build: deps $(BUILD)/CMakeCache.txt
	@cmake --build $(BUILD) -j $(JOBS)

# The tests never write into the home folder of the user running them.
test: build
	@scripts/home_unchanged.sh sh -c 'cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS) --timeout 240'

demo: build
	@scripts/demo.sh $(BUILD)

bench: build
	@scripts/bench.sh $(BUILD)

# Each fuzz target for 60 s (FUZZ_SECONDS), built with clang in $(FUZZ_BUILD).
fuzz:
	@scripts/install-deps.sh fuzz
	@JOBS=$(JOBS) scripts/fuzz.sh $(FUZZ_BUILD)

install: build
	@cmake --install $(BUILD) --prefix $(PREFIX)

package: build
	@cd $(BUILD) && cpack -G DEB

clean:
	rm -rf $(BUILD) $(FUZZ_BUILD)
