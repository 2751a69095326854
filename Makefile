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
	libgtest-dev python3 time openssl ffmpeg dbus chromium \
	libirecovery-1.0-dev usbmuxd

# The chat export's tests: QJSEngine runs the data files, Chromium the pages.
PACKAGES += qtdeclarative5-dev chromium

SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)

.PHONY: all setup configure build run test bench clean

all: build

setup:
	@missing=$$(for p in $(PACKAGES); do \
		dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null | grep -q '^install ok installed' || echo $$p; \
	done); \
	if [ -n "$$missing" ]; then \
		echo "Installing:" $$missing; \
		$(SUDO) apt-get update && \
		DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y --no-install-recommends $$missing; \
	fi

configure: setup
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: configure
	cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	$(BUILD_DIR)/bin/vardex-scan --count --backup $(SAMPLE) --mask 0xFFFFF --out $(BUILD_DIR)/run-output

test: build
	cd $(BUILD_DIR) && ctest --output-on-failure -j $(JOBS) --timeout 600

bench: build
	bench/run.sh $(BUILD_DIR)

clean:
	rm -rf $(BUILD_DIR)
