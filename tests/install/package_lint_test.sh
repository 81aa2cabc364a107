#!/usr/bin/env bash
# Builds the Debian package from the build folder, as make package does, into
# a folder of its own and runs lintian on it: any error fails. Skipped (77)
# where lintian is not installed.
# Arguments: the cpack program and the build folder.
set -euo pipefail
cpack=$1
build=$2

if ! command -v lintian >/dev/null; then
  echo "lintian is not installed"
  exit 77
fi
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
"$cpack" -G DEB --config "$build/CPackConfig.cmake" -B "$out" >/dev/null
packages=("$out"/*.deb)
[ -f "${packages[0]}" ] || { echo "FAIL: cpack made no package" >&2; exit 1; }
lintian --fail-on error "${packages[@]}"
