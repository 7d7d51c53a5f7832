# Shared set-up for scripts/run and scripts/test: installs the Debian packages the project
# needs (only those missing) and configures and builds one build tree.
# Sourced, not run.

QUENDRAL_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

QUENDRAL_PACKAGES=(
    cmake ninja-build g++ clang libclang-rt-14-dev pkg-config
    libgtest-dev libgmock-dev libbenchmark-dev nlohmann-json3-dev libicu-dev
    qt6-base-dev qt6-base-dev-tools libgl-dev libfontconfig-dev
    fonts-wqy-microhei xvfb xauth
    dpkg-dev desktop-file-utils appstream
)

quendral_install_packages() {
    local missing=()
    local package
    for package in "${QUENDRAL_PACKAGES[@]}"; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
            missing+=("$package")
        fi
    done
    if ((${#missing[@]})); then
        echo "Installing: ${missing[*]}"
        export DEBIAN_FRONTEND=noninteractive
        apt-get update -q
        apt-get install -y -q --no-install-recommends "${missing[@]}"
    fi
}

# quendral_build DIR [cmake options...]: configure (once) and build DIR.
quendral_build() {
    local dir="$1"
    shift
    cmake -S "$QUENDRAL_ROOT" -B "$QUENDRAL_ROOT/$dir" -G Ninja "$@"
    cmake --build "$QUENDRAL_ROOT/$dir" -j "$(nproc)"
}
