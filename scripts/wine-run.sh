#!/usr/bin/env bash
# Runs a Windows program under Wine as on a Japanese Windows.
set -euo pipefail
source "$(dirname "$0")/wine-env.sh"
exec wine "$@"
