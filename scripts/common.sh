# Shared by run.sh and test.sh: the Debian packages the project needs, and
# the build. Source it; it defines functions and changes nothing by itself.

KESTREL_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

# Every Debian package the project uses, for building, testing, benchmarks,
# fuzzing, translations, the headless display and the Debian package with
# Debian's own checks of it.
KESTREL_PACKAGES=(
    cmake make g++ pkg-config
    qt6-base-dev qt6-tools-dev qt6-l10n-tools qt6-translations-l10n libgl-dev
    libbenchmark-dev time valgrind
    clang libclang-rt-14-dev
    xvfb xauth x11-utils
    dpkg-dev lintian desktop-file-utils appstream
)

kestrel_missing_packages() {
    local pkg
    for pkg in "${KESTREL_PACKAGES[@]}"; do
        dpkg-query -W -f='${Status}\n' "$pkg" 2>/dev/null | grep -q '^install ok installed$' \
            || echo "$pkg"
    done
}

kestrel_install_packages() {
    local missing
    mapfile -t missing < <(kestrel_missing_packages)
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local apt=(apt-get)
    if [ "$(id -u)" -ne 0 ]; then
        if command -v sudo >/dev/null 2>&1; then
            apt=(sudo apt-get)
        else
            echo "kestrelpad: missing Debian packages (${missing[*]}); run as root or install sudo." >&2
            return 1
        fi
    fi
    "${apt[@]}" update -qq \
        && DEBIAN_FRONTEND=noninteractive "${apt[@]}" install -y -qq --no-install-recommends \
            "${missing[@]}"
}

# kestrel_configure <build-dir> [extra cmake arguments...]
kestrel_configure() {
    local dir=$1; shift
    cmake -S "$KESTREL_ROOT" -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DKESTREL_WERROR=ON "$@" >/dev/null
}

# kestrel_build <build-dir> [extra cmake arguments...]
kestrel_build() {
    local dir=$1
    kestrel_configure "$@" && cmake --build "$dir" -j "$(nproc)"
}
