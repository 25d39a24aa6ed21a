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
    clang libclang-rt-dev  # the fuzzers (libFuzzer), built by scripts/fuzz
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

# CIRCUMVIA_WERROR=ON in the environment turns warnings into errors (as .ci/run does).
configure_and_build() {
    local werror=()
    [ -z "${CIRCUMVIA_WERROR:-}" ] || werror=(-DCIRCUMVIA_WERROR="$CIRCUMVIA_WERROR")
    cmake -S "$ROOT" -B "$BUILD_DIR" -DCMAKE_BUILD_TYPE=Release "${werror[@]}" "$@"
    cmake --build "$BUILD_DIR" -j"$(nproc)"
}

# Runs ctest over the build in $1 with the further arguments. Without a display the suite
# runs inside one Xvfb server; settings and sound caches go to a scratch home, so the tests
# never touch the user's own.
run_suite() {
    local build_dir="$1"
    shift
    local scratch
    scratch="$(mktemp -d)"
    # shellcheck disable=SC2064 # the folder is known now
    trap "rm -rf '$scratch'" EXIT
    mkdir -p "$scratch/config" "$scratch/runtime" "$scratch/data" "$scratch/cache"
    chmod 700 "$scratch/runtime"
    local run_ctest=(env -u LANGUAGE HOME="$scratch" XDG_CONFIG_HOME="$scratch/config"
        XDG_RUNTIME_DIR="$scratch/runtime" XDG_DATA_HOME="$scratch/data"
        XDG_CACHE_HOME="$scratch/cache" QT_QPA_PLATFORM=xcb
        ctest --test-dir "$build_dir" --output-on-failure -j"$(nproc)" "$@")
    if [ -n "${DISPLAY:-}" ]; then
        "${run_ctest[@]}"
    else
        # A random first display number keeps two suites running at once off each other's
        # server. -noreset: by default Xvfb resets whenever its last client leaves, and a test
        # process that connects during that reset is refused ("could not connect to
        # display"); short GUI tests run two at a time hit that window now and then.
        xvfb-run -a -n $((100 + RANDOM % 800)) -s '-screen 0 1280x1024x24 -noreset' \
            "${run_ctest[@]}"
    fi
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
