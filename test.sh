#!/usr/bin/env bash
# Builds everything with warnings as errors and runs every test twice: in the normal build, and
# under AddressSanitizer, UndefinedBehaviorSanitizer and LeakSanitizer with the number conversions
# fuzzed for a minute. The number tests run again in the locales of tests/locales, made here.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh clang libclang-rt-14-dev dpkg-dev file lintian xvfb x11-utils locales
mapfile -t locales <tests/locales
scripts/install-locales.sh "${locales[@]}"
jobs=$(nproc)

cmake -S . -B build/test -DCMAKE_BUILD_TYPE=Debug -DMARZUN_WERROR=ON
cmake --build build/test -j"$jobs"
ctest --test-dir build/test --output-on-failure

CC=clang CXX=clang++ cmake -S . -B build/sanitize -DCMAKE_BUILD_TYPE=Debug -DMARZUN_WERROR=ON \
    -DMARZUN_SANITIZE=ON -DMARZUN_FUZZ=ON
cmake --build build/sanitize -j"$jobs"
ctest --test-dir build/sanitize --output-on-failure
