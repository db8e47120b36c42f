#!/usr/bin/env bash
# Installs what the Linux build and its tests need (Debian packages).
set -euo pipefail
packages=(cmake g++ make clang-format-14 libgtest-dev libgmock-dev libbenchmark-dev nlohmann-json3-dev locales
          libxml2-dev libxml2-utils            # reading exports back with a strict XML parser
          chromium fonts-ipafont-gothic python3  # orbek-inspect's page test and its benchmark's export
          poppler-utils                        # counting and drawing the printed pages (pdfinfo, pdftoppm)
          afl++)                               # the fuzzing engine of scripts/fuzz.sh
missing=()
for p in "${packages[@]}"; do
  dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  SUDO=""; [ "$(id -u)" -ne 0 ] && SUDO="sudo"
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq "${missing[@]}"
fi
