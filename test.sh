#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: once built with
# AddressSanitizer and UndefinedBehaviorSanitizer, then the ordinary build,
# whose ctest summary closes the output.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/ensure_packages.sh

ensure_packages "${BUILD_PACKAGES[@]}" "${OPTIONAL_PACKAGES[@]}" "${TEST_PACKAGES[@]}"

bash tests/sanitizers.sh build-asan

configure_and_build build -DQUILLORA_TESTS=ON -DQUILLORA_BENCH=ON
cd build
ctest --output-on-failure
