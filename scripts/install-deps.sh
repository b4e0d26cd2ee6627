#!/usr/bin/env bash
# Installs the Debian packages the build, the program and the tests need; does nothing when all are there.
set -euo pipefail
packages=(
    build-essential cmake qt6-base-dev qt6-base-dev-tools libgl-dev libxkbcommon-dev libxcb1-dev libxcb-damage0-dev
    libgtest-dev libgmock-dev googletest libbenchmark-dev
    xvfb xauth xdotool x11-xserver-utils x11-utils imagemagick hyperfine libx11-dev libxfixes-dev
    clang-format openbox trayer strace
    dpkg-dev desktop-file-utils appstream shared-mime-info libglib2.0-bin
    dbus-daemon xserver-xorg-core xserver-xorg-video-dummy
    sway swaybg grim wtype wayvnc pipewire xdg-desktop-portal xdg-desktop-portal-wlr qt6-wayland
)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo=sudo
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
