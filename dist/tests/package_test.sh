#!/usr/bin/env bash
# Builds the Debian package from a build directory, unpacks it into a scratch directory and runs
# the unpacked tablamor-cli and the window from there with HOME in the scratch directory: the
# game files must be found at ../share/games/tablamor, the records must land under the scratch
# data home, and nothing may be written inside the unpacked tree.
#   package_test.sh BUILD_DIR VERSION
# Exits 77 (skipped) when cpack or dpkg-deb is missing.
set -euo pipefail
build=$1
version=$2

for tool in cpack dpkg-deb; do
  if ! command -v "$tool" > /dev/null; then
    echo "SKIPPED: $tool is not installed (scripts/install-deps.sh installs it)"
    exit 77
  fi
done

scratch=$(mktemp -d /tmp/tablamor-package-XXXXXX)
trap 'rm -rf "$scratch"' EXIT
fail() { echo "FAILED: $*"; exit 1; }

if ! cpack -G DEB --config "$build/CPackConfig.cmake" -B "$scratch/out" > "$scratch/cpack.log" 2>&1; then
  cat "$scratch/cpack.log"
  fail "cpack could not build the package"
fi
arch=$(dpkg --print-architecture)
deb="$scratch/out/tablamor_${version}_${arch}.deb"
[[ -f "$deb" ]] || fail "no $deb; cpack made: $(ls "$scratch/out")"
dpkg-deb -f "$deb" Depends | grep -q libqt6widgets6 || fail "no Qt dependency found by shlibdeps"

tree="$scratch/tree"
dpkg-deb -x "$deb" "$tree"
for f in usr/games/tablamor usr/games/tablamor-cli usr/share/games/tablamor/GAMES.DAT \
         usr/share/games/tablamor/SOL.RGF usr/share/games/tablamor/Images/CB001C.bmp \
         usr/share/games/tablamor/SOUNDS usr/share/games/tablamor/help/contents.html \
         usr/share/applications/org.tablamor.Tablamor.desktop \
         usr/share/metainfo/org.tablamor.Tablamor.metainfo.xml \
         usr/share/icons/hicolor/48x48/apps/org.tablamor.Tablamor.png \
         usr/share/icons/hicolor/scalable/apps/org.tablamor.Tablamor.svg \
         usr/share/man/man6/tablamor.6.gz usr/share/man/man6/tablamor-cli.6.gz \
         usr/share/doc/tablamor/copyright; do
  [[ -e "$tree/$f" ]] || fail "the package has no $f"
done
listing() { find "$tree" -printf '%P %y %s %T@\n' | sort; }
listing > "$scratch/before"

export HOME="$scratch/home"
unset XDG_DATA_HOME
mkdir -p "$HOME"
data="$HOME/.local/share/tablamor"
cd "$scratch" # nothing may land in the current directory either
cli="$tree/usr/games/tablamor-cli"

[[ "$("$cli" --version)" == "tablamor-cli $version" ]] || fail "tablamor-cli --version"
"$cli" games | grep -q $'^1\t005\tKlondike$' || fail "tablamor-cli games found no game file"
out=$(printf 'stock\nquit\n' | "$cli" play --game 1 --number 5 --record)
grep -q '^won 0$' <<< "$out" || fail "tablamor-cli play: $out"
grep -q 0000000000005 "$data/STAT_LOG.DAT" || fail "no game log line under $data"

[[ "$("$tree/usr/games/tablamor" --version)" == "tablamor $version" ]] || fail "tablamor --version"
out=$(QT_QPA_PLATFORM=offscreen TABLAMOR_STARTUP_TIMING=1 timeout 120 \
      "$tree/usr/games/tablamor" --game 1 --number 7 2>&1) || fail "the window did not start: $out"
grep -q '^first-table ' <<< "$out" || fail "the window painted no table: $out"
for f in CFG.DAT STAT.DAT STAT_SCR.DAT; do
  [[ -f "$data/$f" ]] || fail "the window wrote no $data/$f"
done
grep -q 0000000000007 "$data/CFG.DAT" || fail "the dealt number is not among the recent numbers"

listing > "$scratch/after"
diff "$scratch/before" "$scratch/after" || fail "files changed inside the unpacked tree"
[[ -z "$(ls -A "$scratch" | grep -v -x -e out -e tree -e home -e before -e after -e cpack.log)" ]] ||
  fail "files written in the current directory: $(ls -A "$scratch")"
echo "package $(basename "$deb"): $(stat -c %s "$deb") bytes; both programs ran from the unpacked tree"
