#!/usr/bin/env bash
# Ends this checkout's virtual display (Xvfb), which the Win32 tests leave running so that the
# next test reuses it (tools/lib/display.sh). Nothing happens when none runs.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib/display.sh"
orlix_stop_display
