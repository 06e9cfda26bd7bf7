#!/usr/bin/env bash
# Builds the Debian package ostrel_<version>_amd64.deb into build-pkg/ and
# checks it with lintian (when installed): tools/package.sh
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/deps.sh
command -v lintian >/dev/null || DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends lintian >/dev/null || true
tree=build-pkg
cmake -S . -B "$tree" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_INSTALL_PREFIX=/usr \
  -DOSTREL_TESTS=OFF -DOSTREL_BENCH=OFF >/dev/null
cmake --build "$tree"
(cd "$tree" && cpack -G DEB >/dev/null)
deb=$(ls -t "$tree"/ostrel_*_amd64.deb | head -1)
echo "$deb"
if command -v lintian >/dev/null; then
  lintian --no-tag-display-limit "$deb" || true
fi
