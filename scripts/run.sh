#!/usr/bin/env bash
# Installs what is missing, builds the program (Release) and starts it.
# Any arguments go to the program (for example --data-dir DIR).
source "$(dirname "$0")/common.sh"
install_packages
configure_and_build -DTARU_TESTS=OFF -DTARU_BENCH=OFF
exec "$BUILD_DIR/bin/taru" "$@"
