# The two commands of README.md, `make demo` and `make test`, and the
# install: `make install` (PREFIX, DESTDIR) and `make package` (a .deb).
BUILD ?= build
JOBS ?= $(shell nproc)
PREFIX ?= /usr/local

FUZZ_BUILD ?= build-fuzz
MUTATE_DIR ?= build-mutate

.PHONY: all deps build test demo bench fuzz mutate install package clean

all: build

deps:
	@scripts/install-deps.sh

$(BUILD)/CMakeCache.txt:
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null

build: deps $(BUILD)/CMakeCache.txt
	@cmake --build $(BUILD) -j $(JOBS)

# The tests never write into the home folder of the user running them, and
# leave nothing in the temporary folder.
test: build
	@scripts/home_unchanged.sh scripts/tmp_unchanged.sh sh -c 'cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS) --timeout 240'

demo: build
	@scripts/demo.sh $(BUILD)

bench: build
	@scripts/bench.sh $(BUILD)

# Each fuzz target for 60 s (FUZZ_SECONDS), built with clang in $(FUZZ_BUILD).
fuzz:
	@scripts/install-deps.sh fuzz
	@JOBS=$(JOBS) scripts/fuzz.sh $(FUZZ_BUILD)

# Every mutant of tests/mutants.txt against the tests that cover it, one at a
# time in a scratch copy ($(MUTATE_DIR)); MUTANTS=a,b runs only those.
mutate:
	@scripts/install-deps.sh mutate
	@MUTATE_DIR=$(MUTATE_DIR) nice -n 10 python3 scripts/mutate.py $(if $(MUTANTS),--only $(MUTANTS))

install: build
	@cmake --install $(BUILD) --prefix $(PREFIX)

package: build
	@cd $(BUILD) && cpack -G DEB

clean:
	rm -rf $(BUILD) $(FUZZ_BUILD) $(MUTATE_DIR)
