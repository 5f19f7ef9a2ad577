#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: once built with
# AddressSanitizer and UndefinedBehaviorSanitizer, then the ordinary build,
# whose ctest summary closes the output.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/ensure_packages.sh

ensure_packages "${BUILD_PACKAGES[@]}" "${TEST_PACKAGES[@]}"

if [ -x tests/sanitizers.sh ]; then
    tests/sanitizers.sh build-asan
fi

configure_and_build build
cd build
ctest --output-on-failure
