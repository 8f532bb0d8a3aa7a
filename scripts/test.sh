#!/usr/bin/env bash
# Installs what is missing, builds everything with warnings as errors and runs every test
# (windows on the offscreen platform).
source "$(dirname "$0")/common.sh"
install_packages
# Includes look down the floors only (fails naming the file and the include).
"$ROOT/scripts/check-layers.sh"
configure_and_build -DTARU_WERROR=ON -DTARU_TESTS=ON -DTARU_BENCH=ON
export QT_QPA_PLATFORM=offscreen
(cd "$BUILD_DIR" && ctest --output-on-failure --parallel "$(nproc)" --timeout 300)
# The core and the command-line tool again under AddressSanitizer and UndefinedBehaviorSanitizer
# (its own build folder, kept between runs; the windows are left out).
SANITIZE_DIR="${TARU_SANITIZE_BUILD_DIR:-$ROOT/build-sanitize}"
cmake -S "$ROOT" -B "$SANITIZE_DIR" -G Ninja -DCMAKE_BUILD_TYPE=Sanitize -DCMAKE_CXX_FLAGS_SANITIZE="-O1 -g1" \
    -DTARU_SANITIZE=ON -DTARU_WERROR=ON -DTARU_TESTS=ON -DTARU_BENCH=OFF >/dev/null
cmake --build "$SANITIZE_DIR" --target taru_core_tests taru-cli --parallel "$(nproc)"
(cd "$SANITIZE_DIR" && ctest --output-on-failure --parallel "$(nproc)" --timeout 600 -L "core|cli")
# Each file reader's fuzz target runs briefly on its seed corpus.
"$ROOT/scripts/fuzz.sh" 10
# The Debian package: built, checked with lintian and run from its installed files with a fresh home folder.
"$ROOT/scripts/check-package.sh"
