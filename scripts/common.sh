# Shared by run.sh and test.sh: installs what the build needs (Debian 12) and configures the build.
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD_DIR="${TARU_BUILD_DIR:-$ROOT/build}"
# Build folders of different checkouts share the compiler cache.
export CCACHE_BASEDIR="${CCACHE_BASEDIR:-$ROOT}"

PACKAGES=(build-essential cmake ninja-build qt6-base-dev qt6-charts-dev libgl1-mesa-dev libgtest-dev libgmock-dev
          libbenchmark-dev clang libclang-rt-14-dev ccache poppler-utils fonts-dejavu-core xvfb xauth
          help2man librsvg2-bin lintian desktop-file-utils)

install_packages() {
    local missing=()
    for p in "${PACKAGES[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
}

configure_and_build() {
    cmake -S "$ROOT" -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE=Release "$@"
    cmake --build "$BUILD_DIR" --parallel "$(nproc)"
}
