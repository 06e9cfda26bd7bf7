#!/usr/bin/env bash
# Takes the README's pictures with the project's own screenshot programs
# under xvfb-run, into docs/guide/: tools/guide_pictures.sh [BUILD_DIR] (default build).
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
cmake --build "$build" --target app_screens import_screens transfer_screens portkit_setup_screenshot settings_screens
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
export XDG_CONFIG_HOME="$out/config" XDG_STATE_HOME="$out/state"
mkdir -p "$XDG_CONFIG_HOME"
run() { xvfb-run -a -s "-screen 0 1280x900x24" "$@" >/dev/null 2>&1; }
tr ',' '\t' < tests/data/golden/three_channels.csv > "$out/list.tab"
run "$build/tests/app/app_screens" "$out"
run "$build/tests/app/import_screens" "$out/list.tab" "$out"
run "$build/tests/cloneui/transfer_screens" "$out"
run "$build/tests/portkit/portkit_setup_screenshot" "$out/port_setup.png"
run "$build/tests/settings/settings_screens" "$out"
mkdir -p docs/guide
cp "$out/import_main.png" docs/guide/main.png
cp "$out/import_step4.png" docs/guide/import.png
cp "$out/app_help.png" docs/guide/help.png
cp "$out/port_setup.png" "$out/get_data_from.png" "$out/send_data_to.png" "$out/settings_dialog.png" docs/guide/
ls docs/guide
