# SPDX-FileCopyrightText: 2026 The picturebook developers
# SPDX-License-Identifier: MIT

# Shared by scripts/run and scripts/test: the Debian 12 / Ubuntu packages the
# reader needs, and a function that installs whichever of them are missing.

# Building the program, with its translation catalogs (Qt Linguist's tools),
# and the player's other sound output (Qt Multimedia), which its test runs on.
PICTUREBOOK_BUILD_PACKAGES="cmake ninja-build g++ pkg-config qt6-base-dev qt6-base-dev-tools qt6-tools-dev qt6-l10n-tools libgl-dev libfontconfig-dev libsndfile1-dev libpulse-dev qt6-multimedia-dev"
# Running it: the X11 platform plugin, the sound output (the PulseAudio client
# library, which PipeWire's PulseAudio service serves too), the WAV reader, the fonts that stand in
# for the ones the pages ask for, and a Japanese gothic for the captions in the
# default font (without it their Japanese falls back to the brush face).
PICTUREBOOK_RUNTIME_PACKAGES="qt6-qpa-plugins libpulse0 libsndfile1 pulseaudio fonts-klee fonts-motoya-l-maruberi fonts-aoyagi-kouzan-t fonts-ipafont-gothic"
# Rendering the tunes at build time.
PICTUREBOOK_MUSIC_PACKAGES="abcmidi fluidsynth timgm6mb-soundfont"
# Testing: a virtual X server, real pointer clicks, screenshots (Xlib), a
# private sound server whose output can be recorded, a session bus with the
# accessibility bus, a screen reader's client library and a screen reader
# speaking through speech-dispatcher and espeak-ng, Qt Multimedia for the
# player's test on that output, and the validators
# of the desktop entry and the AppStream metadata; clang with its libFuzzer
# runtime for fuzzing the decimal validator.
PICTUREBOOK_TEST_PACKAGES="python3 xvfb xauth xdotool x11-utils imagemagick pulseaudio-utils sox dbus at-spi2-core python3-pyatspi orca speech-dispatcher speech-dispatcher-espeak-ng libqt6multimedia6 desktop-file-utils appstream libx11-dev clang libclang-rt-14-dev"
# The widget kit's Qt Designer plugin and API documentation; the build
# leaves each out when its package is missing.
PICTUREBOOK_KIT_PACKAGES="qt6-tools-dev doxygen"
# Packing the .debs: the reader's manual page, the copyright file and
# changelog, dpkg-shlibdeps (with file) naming each package's libraries, and
# the checks of the licences, of the packages and of the shared kit's ABI.
PICTUREBOOK_PACKAGING_PACKAGES="python3 scdoc dpkg-dev file reuse lintian abigail-tools"

picturebook_install_packages()
{
    missing=""
    for pkg in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed"; then
            missing="$missing $pkg"
        fi
    done
    [ -z "$missing" ] && return 0

    if ! command -v apt-get >/dev/null 2>&1; then
        echo "picturebook: please install these packages:$missing" >&2
        return 1
    fi
    sudo=""
    if [ "$(id -u)" -ne 0 ]; then
        sudo="sudo"
    fi
    echo "picturebook: installing$missing"
    export DEBIAN_FRONTEND=noninteractive
    $sudo apt-get update -qq || return 1
    # shellcheck disable=SC2086
    $sudo apt-get install -y -qq --no-install-recommends $missing >/dev/null || return 1
}

# picturebook_configure_and_build <root> <preset> [cmake options...]:
# configures <root> with one of its CMake presets (dev: build/, asan:
# build-asan/, fuzz: build-fuzz/; warnings are errors in each) and builds it.
picturebook_configure_and_build()
{
    root=$1
    preset=$2
    shift 2
    (cd "$root" && cmake --preset "$preset" "$@" >/dev/null) || return 1
    (cd "$root" && cmake --build --preset "$preset" -j "$(nproc)") || return 1
}
