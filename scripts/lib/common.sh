# Shared by scripts/run and scripts/test: the Debian packages the project needs,
# installing the missing ones, and configuring and building.

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
BUILD_DIR="${CIRCUMVIA_BUILD_DIR:-$ROOT/build}"

PACKAGES=(
    build-essential cmake
    qt6-base-dev libqt6opengl6-dev qt6-multimedia-dev
    libglu1-mesa-dev libgl1-mesa-dri libjpeg-dev
    libgtest-dev libgmock-dev libbenchmark-dev
    xvfb xauth xdotool imagemagick poppler-utils
    fonts-dejavu-core python3 clang-format
    desktop-file-utils appstream shared-mime-info
    at-spi2-core dbus-x11 python3-pyatspi
    orca speech-dispatcher speech-dispatcher-audio-plugins openbox
)

ensure_packages() {
    local missing=() package
    for package in "${PACKAGES[@]}"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
            missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing Debian packages: ${missing[*]}"
    local sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    "${sudo[@]}" apt-get update
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive \
        apt-get install -y --no-install-recommends "${missing[@]}"
}

configure_and_build() {
    cmake -S "$ROOT" -B "$BUILD_DIR" -DCMAKE_BUILD_TYPE=Release "$@"
    cmake --build "$BUILD_DIR" -j"$(nproc)"
}

# Fails, naming the files, when a C++ source differs from what the project's .clang-format
# makes of it.
check_formatting() {
    local files=()
    if git -C "$ROOT" rev-parse --is-inside-work-tree >/dev/null 2>&1; then
        mapfile -t files < <(git -C "$ROOT" ls-files '*.cpp' '*.h')
    else
        mapfile -t files < <(cd "$ROOT" && find . -path ./build -prune -o \
            \( -name '*.cpp' -o -name '*.h' \) -print)
    fi
    (cd "$ROOT" && clang-format --dry-run -Werror "${files[@]}") || {
        echo "Unformatted sources: run clang-format -i on the files named above." >&2
        return 1
    }
}
