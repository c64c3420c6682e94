#!/usr/bin/env bash
# Installs every Debian package organclock and organsaver need to build, run and test.
# Idempotent: packages already present are skipped. Runs as root, or through sudo.
set -euo pipefail

PACKAGES=(
  build-essential cmake ninja-build pkg-config git
  qt6-base-dev qt6-base-dev-tools libqt6svg6 qt6-translations-l10n qt6-qpa-plugins
  libjpeg62-turbo-dev libfontconfig-dev
  libsdl2-dev libsdl2-mixer-dev libmpg123-dev
  libgtest-dev googletest
  fonts-liberation2 fonts-comic-neue fonts-dejavu-core fontconfig
  xvfb x11-utils x11-xserver-utils xdotool xauth imagemagick
  appstream desktop-file-utils dpkg-dev file lintian scdoc
  clang libclang-rt-14-dev clang-format clang-tidy
  libx11-dev
  dunst systemd dbus at-spi2-core python3-pyatspi
  libical-dev qtkeychain-qt6-dev
  radicale xandikos python3-caldav python3-icalendar apache2-utils python3-passlib gnome-keyring openssl
)

missing=()
for p in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

SUDO=""
if [ "$(id -u)" -ne 0 ]; then
  SUDO="sudo"
fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
