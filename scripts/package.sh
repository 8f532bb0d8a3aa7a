#!/usr/bin/env bash
# Builds the Debian package of the program (taru_<version>_<arch>.deb in the build folder) and prints its path.
# Install it with: sudo apt install ./build/taru_*.deb
source "$(dirname "$0")/common.sh"
install_packages
configure_and_build "$@" >&2
rm -f "$BUILD_DIR"/taru_*.deb
cmake --build "$BUILD_DIR" --target package >&2
ls "$BUILD_DIR"/taru_*.deb
