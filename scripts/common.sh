# Shared by the scripts: installs what Vantrel needs on Debian
# or Ubuntu when it is missing. Sourced, not run.

VANTREL_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

# Build tools and Qt 6 with its Chinese translations. The program brings its own
# face; the tests check that it holds every character (fontTools) and that the
# pictures stay the same where Noto Sans CJK is the desktop's Chinese face.
VANTREL_PACKAGES=(
    cmake g++ make pkg-config libmpfr-dev
    qt6-base-dev qt6-base-dev-tools libgl-dev
    qt6-translations-l10n
    python3-fonttools fonts-noto-cjk
    # The tests validate the desktop entry and the AppStream metadata.
    desktop-file-utils appstream
    # The end-to-end test: a private X server and the accessibility bus.
    xvfb dbus at-spi2-core python3 python3-pyatspi python3-gi gir1.2-atspi-2.0
    # ... and again under a window manager: its stacking order, real clicks.
    openbox x11-utils xdotool
    # The saved SVG drawn as a viewer draws it.
    librsvg2-bin
)

# scripts/fuzz: clang with libFuzzer and the sanitizer runtimes.
VANTREL_FUZZ_PACKAGES=(
    cmake make python3 libmpfr-dev
    clang libclang-rt-14-dev libfuzzer-14-dev
)

# Runs a command as root: directly when we are root, else through sudo.
as_root() {
    if [ "$(id -u)" -eq 0 ]; then
        "$@"
    elif command -v sudo >/dev/null 2>&1; then
        sudo "$@"
    else
        echo "vantrel: need root or sudo to install: $*" >&2
        return 1
    fi
}

# Installs every package of the list that is not installed yet.
install_missing() {
    local missing=()
    local package
    for package in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
            missing+=("$package")
        fi
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    if ! command -v apt-get >/dev/null 2>&1; then
        echo "vantrel: please install: ${missing[*]}" >&2
        return 1
    fi
    echo "vantrel: installing ${missing[*]}"
    as_root env DEBIAN_FRONTEND=noninteractive apt-get update -qq || true
    as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
        "${missing[@]}"
}

# Wine's 64-bit loader: on the path (WineHQ's and Ubuntu's packages), else
# where Debian's wine64 package keeps it, off the path.
wine_loader() {
    command -v wine64 || command -v wine || dpkg -L wine64 2>/dev/null | grep -m 1 '/wine64$'
}

jobs_count() {
    nproc 2>/dev/null || echo 2
}
