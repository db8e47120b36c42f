#!/usr/bin/env bash
# Installs what the Windows build and its Wine tests need (Debian packages)
# and generates the Japanese locale under which Wine uses code page 932.
set -euo pipefail
packages=(cmake make g++-mingw-w64-x86-64 binutils-mingw-w64-x86-64 googletest nlohmann-json3-dev
          wine wine64 fonts-wine xvfb xdotool x11-utils fonts-ipafont-gothic locales imagemagick
          zip unzip)
missing=()
for p in "${packages[@]}"; do
  dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
done
SUDO=""; [ "$(id -u)" -ne 0 ] && SUDO="sudo"
if [ ${#missing[@]} -gt 0 ]; then
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
if ! locale -a 2>/dev/null | grep -qi '^ja_JP\.utf-\?8$'; then
  $SUDO localedef -i ja_JP -c -f UTF-8 -A /usr/share/locale/locale.alias ja_JP.UTF-8
fi
