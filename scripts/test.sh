#!/usr/bin/env bash
# Installs what is missing, builds, and runs the whole test suite through CTest twice:
# once as released, once under AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-dependencies.sh

run_tests() {
    # Every GUI test gets a real X display; each test runs in its own process.
    xvfb-run -a -s "-screen 0 1280x1024x24" ctest --test-dir "$1" --output-on-failure --parallel 2
}

bash scripts/build.sh build -DCMAKE_BUILD_TYPE=RelWithDebInfo
run_tests build

bash scripts/build.sh build-sanitize -DCMAKE_BUILD_TYPE=Debug -DMFM_SANITIZE=ON
ASAN_OPTIONS=detect_leaks=1 \
UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    run_tests build-sanitize
