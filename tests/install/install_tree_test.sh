#!/usr/bin/env bash
# Installs the built program into a staging prefix, as `make install` and the
# Debian package do, and checks the tree: the menu entry and the metainfo pass
# the desktop's validators, every icon size is there at its size, the manual
# page, the copyright and the changelog are there as Debian wants them, the
# package depends on what the program links, and the installed program starts
# from the prefix to its first paint.
# Arguments: the build folder, the application id, the icon sizes (a CMake
# list), and "depends" to check the package's dependencies.
set -euo pipefail
build=$1
app_id=$2
IFS=';' read -ra sizes <<<"$3"
check_depends=${4:-}

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# A value the build gave the package.
package_value() { sed -n "s/^set($1 \"\(.*\)\")$/\1/p" "$build/CPackConfig.cmake"; }

stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
prefix=$stage/usr
cmake --install "$build" --prefix "$prefix" >/dev/null

# The menu entry names a program in bin/ (without a path) and the icon.
desktop=$prefix/share/applications/$app_id.desktop
[ -f "$desktop" ] || fail "no desktop entry $desktop"
desktop-file-validate "$desktop" || fail "desktop-file-validate rejects $desktop"
entry() { sed -n "s/^$1=//p" "$desktop"; }
exec_line=$(entry Exec)
binary=${exec_line%% *}
case $binary in */*) fail "Exec has a path: $exec_line" ;; esac
program=$prefix/bin/$binary
[ -x "$program" ] || fail "Exec names $binary, not in bin/"
[ "$(entry Icon)" = "$app_id" ] || fail "Icon is '$(entry Icon)', not $app_id"
[ "$(entry Categories)" = "AudioVideo;Audio;Music;" ] || fail "Categories are '$(entry Categories)'"

metainfo=$prefix/share/metainfo/$app_id.metainfo.xml
[ -f "$metainfo" ] || fail "no metainfo $metainfo"
appstreamcli validate --no-net "$metainfo" || fail "appstreamcli rejects $metainfo"
# With the tree: the desktop entry it launches is there.
appstreamcli validate-tree --no-net "$stage" || fail "appstreamcli rejects the installed tree"
grep -q "<launchable type=\"desktop-id\">$app_id.desktop</launchable>" "$metainfo" ||
  fail "the metainfo does not launch $app_id.desktop"
grep -q "<binary>$binary</binary>" "$metainfo" || fail "the metainfo does not provide $binary"

# Each size a PNG of that many pixels square, and the scalable drawing.
icons=$prefix/share/icons/hicolor
for size in "${sizes[@]}"; do
  png=$icons/${size}x${size}/apps/$app_id.png
  [ -f "$png" ] || fail "no $size px icon"
  read -r -a header <<<"$(od -An -tu1 -N24 "$png" | tr "\n" " ")"
  [ "${header[*]:0:8}" = "137 80 78 71 13 10 26 10" ] || fail "$png is not a PNG"
  width=$(((header[16] << 24) | (header[17] << 16) | (header[18] << 8) | header[19]))
  height=$(((header[20] << 24) | (header[21] << 16) | (header[22] << 8) | header[23]))
  [ "$width" = "$size" ] && [ "$height" = "$size" ] || fail "$png is ${width}x$height"
done
grep -q "<svg" "$icons/scalable/apps/$app_id.svg" || fail "no scalable icon"

# The manual page and the changelog are compressed without a name or a time
# (gzip -n), so that each build gives the same bytes.
package=$(package_value CPACK_PACKAGE_NAME)
version=$(package_value CPACK_PACKAGE_VERSION)
[ -n "$package" ] && [ -n "$version" ] || fail "the package has no name or version"
man_page=$prefix/share/man/man1/$binary.1.gz
docs=$prefix/share/doc/$package
for gz in "$man_page" "$docs/changelog.gz"; do
  [ -f "$gz" ] || fail "no $gz"
  gzip -t "$gz" || fail "$gz is not gzip"
  read -r -a header <<<"$(od -An -tu1 -N8 "$gz" | tr "\n" " ")"
  { ((header[3] & 8)) || [ "${header[*]:4:4}" != "0 0 0 0" ]; } && fail "$gz keeps a file name or time"
done

# The manual page names the program and its version and says what the README
# says about the files it keeps and where its sound comes from.
page=$(zcat "$man_page")
grep -q "^\.TH ${binary^^} 1 .*\"Tonalith $version\"" <<<"$page" || fail "the manual page's title is not $binary(1) $version"
grep -A1 "^\.SH NAME" <<<"$page" | grep -q "^$binary \\\\- " || fail "the manual page's NAME is not $binary"
grep -q "^\.SH SYNOPSIS" <<<"$page" || fail "the manual page has no SYNOPSIS"
readme=$(cat "$(dirname "$0")/../../README.md")
# shellcheck disable=SC2088 # words to find, not paths to expand
for fact in "~/.config/Varnoth/Tonalith.conf" "UserDir.kv" "UserDir.kv!" "Documents folder" "data folder" \
  "FluidSynth" "TimGM6mb" "MIDI port"; do
  grep -qF -- "$fact" <<<"$readme" || fail "the README no longer says '$fact': bring the manual page in step"
  grep -qF -- "$fact" <<<"$page" || fail "the manual page does not say '$fact' as the README does"
done
if command -v man >/dev/null; then
  warnings=$(man --warnings -E UTF-8 -l "$man_page" 2>&1 >/dev/null)
  [ -z "$warnings" ] || fail "man warns about the manual page: $warnings"
fi

# The copyright in Debian's machine-readable format, stating the About box's
# line; each licence named is spelt out in a paragraph of its own.
copyright=$docs/copyright
[ -f "$copyright" ] || fail "no $copyright"
[ "$(head -1 "$copyright")" = "Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/" ] ||
  fail "$copyright is not in the machine-readable format"
about=$(sed -n 's/^#define TONALITH_LEGAL_COPYRIGHT "\(.*\)"$/\1/p' "$build/app/generated/app/version.h")
[ -n "$about" ] || fail "the About box has no copyright line"
grep -qxF "Copyright: $about" "$copyright" || fail "$copyright does not state '$about' as the About box does"
grep -qx "Files: \*" "$copyright" || fail "$copyright covers no files"
while read -r license; do
  text=$(awk -v name="License: $license" '$0 == name && !p { p = 1; next } p && /^ / { print } p && !/^ / { p = 0 }' \
    "$copyright")
  [ -n "$text" ] || fail "$copyright names the licence '$license' without its text"
done < <(sed -n 's/^License: //p' "$copyright" | sort -u)
grep -q "All rights reserved" "$copyright" || fail "$copyright does not say that all rights are reserved"

# The changelog of a native package: its latest entry is this version,
# signed by a name with an address and dated.
entry=$(zcat "$docs/changelog.gz" | head -1)
[[ "$entry" == "$package ($version) "* ]] || fail "the changelog's latest entry is '$entry', not $package $version"
zcat "$docs/changelog.gz" | grep -qE '^ -- [^<>]+ <[^<>@ ]+@[^<>@ ]+>  [A-Z][a-z]{2}, [0-9]{1,2} [A-Z][a-z]{2} [0-9]{4} ' ||
  fail "the changelog's latest entry is not signed and dated"

# Nothing points back into the build tree.
if readelf -d "$program" | grep -E 'R(UN)?PATH' | grep -qF "$(cd "$build" && pwd)"; then
  fail "the installed program looks for libraries in the build tree"
fi

# Every library the program links, and the built-in synthesizer's soundfont,
# comes from a package the Debian package depends on.
if [ "$check_depends" = depends ]; then
  depends=$(package_value CPACK_DEBIAN_PACKAGE_DEPENDS)
  [ -n "$depends" ] || fail "the package lists no dependencies"
  listed=" $(echo "$depends" | sed 's/([^)]*)//g; s/[,|]/ /g' | tr -s ' ') "
  # The libraries' files, and the soundfont, under either name of a merged
  # /usr; one look-up in dpkg's lists for all of them.
  files=(/usr/share/sounds/sf2/TimGM6mb.sf2)
  resolved=$(ldd "$program")
  while read -r soname; do
    path=$(echo "$resolved" | awk -v lib="$soname" '$1 == lib { print $3 }')
    [ -n "$path" ] || fail "$soname is not found"
    files+=("$path")
  done < <(readelf -d "$program" | sed -n 's/.*(NEEDED).*\[\(.*\)\]/\1/p')
  queries=()
  for file in "${files[@]}"; do queries+=("$file" "/usr${file#/usr}"); done
  owners=$(dpkg -S "${queries[@]}" 2>/dev/null || true)
  needs=()
  for file in "${files[@]}"; do
    package=$(echo "$owners" | awk -F': ' -v a="$file" -v b="/usr${file#/usr}" \
      '$2 == a || $2 == b { sub(/:.*/, "", $1); print $1; exit }')
    [ -n "$package" ] || fail "no package holds $file"
    needs+=("$package")
  done
  for package in "${needs[@]}"; do
    [[ "$listed" == *" $package "* ]] || fail "the package does not depend on $package"
  done
fi

# The installed program, started from the prefix on a home of its own,
# reaches its first paint and ends.
home=$stage/home
mkdir -p "$home"
status=0
output=$(cd "$stage" && HOME=$home XDG_CONFIG_HOME=$home/.config QT_QPA_PLATFORM=offscreen \
  TONALITH_EXIT_AT_FIRST_PAINT=1 timeout 60 "$program") || status=$?
[ "$status" = 0 ] || fail "the installed program ended with status $status"
[[ "$output" == *"first paint"* ]] || fail "the installed program did not paint"
echo "installed tree and program are fine"
