#!/usr/bin/env bash
# Installs the Debian packages Tavro builds, runs and tests with, plus any named as arguments;
# quick when all are present.
set -euo pipefail

PACKAGES=(
    # build
    cmake ninja-build g++ pkg-config fonts-dejavu-core
    qt6-base-dev qt6-multimedia-dev
    libmpg123-dev libsoundtouch-dev libmp3lame-dev libcdio-dev libcdio-paranoia-dev
    libgtest-dev libgmock-dev
    # sound server for running and testing without a sound card
    pulseaudio pulseaudio-utils
    # test tools: make and measure audio at test time
    sox lame mpg123 espeak-ng
    # the desktop's own file-type lookup, to check the association as the desktop sees it
    xdg-utils
    # a private session bus for the media-key tests
    dbus-daemon
    # validators of the installed desktop entry, metainfo and manual page
    desktop-file-utils appstream groff-base
    "$@"
)

missing=()
for p in "${PACKAGES[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
    [[ "$status" == "install ok installed" ]] || missing+=("$p")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

echo "Installing: ${missing[*]}"
SUDO=""
[[ $(id -u) -eq 0 ]] || SUDO="sudo"
$SUDO apt-get update -qq
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
