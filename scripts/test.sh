#!/usr/bin/env bash
# Installs what is missing, builds everything with warnings as errors and runs every test
# (windows on the offscreen platform).
source "$(dirname "$0")/common.sh"
install_packages
# Includes look down the floors only (fails naming the file and the include).
"$ROOT/scripts/check-layers.sh"
configure_and_build -DTARU_WERROR=ON -DTARU_TESTS=ON -DTARU_BENCH=ON
# Each file reader's fuzz target runs briefly on its seed corpus.
"$ROOT/scripts/fuzz.sh" 10
export QT_QPA_PLATFORM=offscreen
cd "$BUILD_DIR"
ctest --output-on-failure --parallel "$(nproc)" --timeout 300
# The Debian package: built, checked with lintian and run from its installed files with a fresh home folder.
"$ROOT/scripts/check-package.sh"
