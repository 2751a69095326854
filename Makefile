# The two commands of the README: `make run` and `make test`.
# Both install what is missing, configure and build first.

BUILD_DIR ?= build
JOBS      ?= $(shell nproc)
SAMPLE    := $(BUILD_DIR)/samples/backup

# Debian packages the build and the tests need.
PACKAGES := cmake make g++ pkg-config git \
	qtbase5-dev libqt5svg5-dev qttools5-dev-tools \
	libsqlite3-dev sqlite3 libspdlog-dev libplist-dev libplist-utils \
	libimobiledevice-dev libimobiledevice-utils libusbmuxd-dev libcurl4-openssl-dev libssl-dev \
	zlib1g-dev libprotobuf-dev protobuf-compiler libcjson-dev \
	libgtest-dev python3 time openssl ffmpeg dbus \
	libirecovery-1.0-dev usbmuxd

# The chat export's tests: QJSEngine runs the data files, Chromium the pages.
PACKAGES += qtdeclarative5-dev chromium
# The X11 window of a process, and the X server its test runs.
PACKAGES += libxcb1-dev xvfb

# The windows: Qt's tools and QML modules, and for the end-to-end tests a
# virtual display, the accessibility bus and its Python client, screenshots
# and the fonts the windows are drawn with.
PACKAGES += qttools5-dev python3-pyatspi at-spi2-core xdotool imagemagick dbus-x11 x11-utils \
	libgl1-mesa-dri fonts-crosextra-carlito qml-module-qtquick2 qml-module-qtquick-controls2 \
	qml-module-qtquick-layouts qml-module-qtquick-window2 qml-module-qtgraphicaleffects
# The shell: a CJK face for "Microsoft Yahei" (Japanese and Chinese texts and
# the language menu's own names).
PACKAGES += fonts-wqy-microhei

SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)

.PHONY: all setup configure build run test test-sanitize test-tsan release bench fuzz translations clean

all: build

# Installs the Debian packages of $(1) that are missing.
define install_missing
	@missing=$$(for p in $(1); do \
		dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null | grep -q '^install ok installed' || echo $$p; \
	done); \
	if [ -n "$$missing" ]; then \
		echo "Installing:" $$missing; \
		$(SUDO) apt-get update && \
		DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y --no-install-recommends $$missing; \
	fi
endef

setup:
	$(call install_missing,$(PACKAGES))

configure: setup
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: configure
	cmake --build $(BUILD_DIR) -j $(JOBS)

# The program with the sample backup as this computer's iTunes backups: in a
# window when there is a display, else on a virtual one under the end-to-end
# harness, which saves a screenshot per step and prints where.
RUN_DIR := $(BUILD_DIR)/run-output

run: build
	@mkdir -p $(RUN_DIR)/backups
	@ln -sfn $(abspath $(SAMPLE)) $(RUN_DIR)/backups/sample
	@if [ -n "$$DISPLAY" ]; then \
		QUENROW_ITUNES_BACKUP_ROOT=$(abspath $(RUN_DIR)/backups) $(BUILD_DIR)/bin/quenrow; \
	else \
		QUENROW_ITUNES_BACKUP_ROOT=$(abspath $(RUN_DIR)/backups) /usr/bin/python3 tests/e2e/run_headless.py \
			--bin $(BUILD_DIR)/bin --out $(RUN_DIR); \
	fi

test: build
	cd $(BUILD_DIR) && ctest --output-on-failure -j $(JOBS) --timeout 600

# The whole suite again under AddressSanitizer + UBSan, and the tests that
# exercise threads (CTest label "threads") under ThreadSanitizer, each in a
# build folder of its own at a lighter optimisation level.
SANITIZE_FLAGS := -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	-DCMAKE_C_FLAGS_RELWITHDEBINFO="-O1 -g1" -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -g1"

test-sanitize: setup
	cmake -S . -B build-asan $(SANITIZE_FLAGS) -DQUENROW_SANITIZE=address
	cmake --build build-asan -j $(JOBS)
	cd build-asan && ctest --output-on-failure -j $(JOBS) --timeout 900

test-tsan: setup
	cmake -S . -B build-tsan $(SANITIZE_FLAGS) -DQUENROW_SANITIZE=thread
	cmake --build build-tsan -j $(JOBS) --target $$(cmake/threadtests.py build-tsan)
	cd build-tsan && ctest --output-on-failure -j $(JOBS) --timeout 900 -L threads

# Brings resources/translations/<language>.ts up to date with the texts of
# app/ (new texts wait there for their translations; the test
# "translations" fails until they have them). English shows new texts as
# they are written.
TRANSLATIONS := en-us it-it ru-ru de-de fr-fr es-es pt-pt ja-ja zh-cn zh-tw

translations: setup
	lupdate -no-obsolete -locations none -recursive app -ts $(TRANSLATIONS:%=resources/translations/%.ts)
	python3 resources/translations/english.py resources/translations/en-us.ts
	lupdate -no-obsolete -locations none -recursive app -ts resources/translations/en-us.ts

# The optimised build alone, no tests, in a folder of its own.
release: setup
	cmake -S . -B build-release -DCMAKE_BUILD_TYPE=Release
	cmake --build build-release -j $(JOBS)

bench: build
	bench/run.sh $(BUILD_DIR)

# Every fuzz target (fuzz/) for FUZZ_SECONDS, FUZZ_JOBS at a time, built into
# build-fuzz/ with clang-14, libFuzzer, AddressSanitizer and UBSan.
FUZZ_SECONDS ?= 60
FUZZ_JOBS ?= $(JOBS)
FUZZ_PACKAGES := clang-14 libclang-rt-14-dev
FUZZ_FLAGS := -DQUENROW_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	-DCMAKE_C_COMPILER=clang-14 -DCMAKE_CXX_COMPILER=clang++-14 \
	-DCMAKE_C_FLAGS_RELWITHDEBINFO="-O1 -gline-tables-only" -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -gline-tables-only"

fuzz: setup
	$(call install_missing,$(FUZZ_PACKAGES))
	cmake -S . -B build-fuzz $(FUZZ_FLAGS)
	cmake --build build-fuzz -j $(JOBS) --target fuzzers
	fuzz/run.sh build-fuzz $(FUZZ_SECONDS) $(FUZZ_JOBS)

clean:
	rm -rf $(BUILD_DIR) build-asan build-tsan build-release build-fuzz
