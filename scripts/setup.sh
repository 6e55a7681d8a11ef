#!/usr/bin/env bash
# Installs what is missing, builds, then starts the game ("run") or runs every test ("test").
# The test run builds twice: the program as shipped (g++), and a clang build with
# AddressSanitizer, UndefinedBehaviorSanitizer and the libFuzzer targets, in which the
# whole suite runs again and every fuzz target runs over its seed corpus.
set -euo pipefail
cd "$(dirname "$0")/.."

mode=${1:-run}
build=${BUILD_DIR:-build}
packages=(g++ cmake ninja-build pkgconf qt6-base-dev libfontconfig-dev libxcb1-dev qt6-translations-l10n fonts-liberation wdutch xvfb xauth)
if [ "$mode" = test ]; then
  packages+=(clang libclang-rt-14-dev)
  # The Debian package test (Package-deb): dependencies, checks, and a game driven by xdotool.
  packages+=(dpkg-dev lintian desktop-file-utils appstream file xdotool)
  # The screen-reader test: the accessibility bus, a private session bus, and pyatspi.
  packages+=(at-spi2-core dbus-x11 python3-pyatspi)
fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  if [ "$(id -u)" = 0 ]; then
    echo "Installing: ${missing[*]}"
    apt-get update
    DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
  else
    echo "Missing packages: ${missing[*]}. Run as root, or: sudo apt-get install ${missing[*]}" >&2
    exit 1
  fi
fi

jobs=$(nproc)
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
if [ "$mode" = run ]; then
  # A player waits only for the game and its Data, not for the tests.
  cmake --build "$build" -j "$jobs" --target Raadkwartet raadkwartet_data
else
  cmake --build "$build" -j "$jobs"
fi

case "$mode" in
  run)
    if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
      echo "No display found: starting the game under Xvfb (close it with Ctrl+C)."
      exec xvfb-run -a -s "-screen 0 1280x1024x24" "$build/Raadkwartet"
    fi
    exec "$build/Raadkwartet"
    ;;
  test)
    sanitize=${SANITIZE_BUILD_DIR:-build-sanitize}
    CXX=clang++ cmake -S . -B "$sanitize" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DRAADKWARTET_FUZZ=ON
    cmake --build "$sanitize" -j "$jobs"
    status=0
    echo "== Tests of the program as shipped"
    ctest --test-dir "$build" --output-on-failure -j "$jobs" || status=1
    echo "== The same tests and the fuzz targets under AddressSanitizer and UndefinedBehaviorSanitizer"
    ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
      LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0" \
      UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
      ctest --test-dir "$sanitize" --output-on-failure -j "$jobs" || status=1
    exit $status
    ;;
  *)
    echo "usage: $0 [run|test]" >&2
    exit 2
    ;;
esac
