#!/usr/bin/env bash
# Builds the Debian package from a build tree and checks it the way Debian and the desktops
# will (lintian, desktop-file-validate, appstreamcli), then unpacks it and plays a game with
# the unpacked program as an unprivileged player under Xvfb: the player's settings, puzzles
# and score must land in the player's own home, and nothing in the unpacked tree may change.
#
#   check-deb.sh <build folder> <work folder> [cpack]
#
# Run as root (as CI does), the player is the user nobody (uid 65534), for whom the unpacked
# tree is read-only as it is for a player after apt install. Run as anyone else, the player
# is the caller and the unpacked tree is made read-only instead.
set -euo pipefail

if [ "${1:-}" = --play ]; then
  mode=play
  shift
else
  mode=check
fi

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# The player's files, and the program folder as the package lays it out.
readonly app_id=nl.raadkwartet.Raadkwartet
readonly exe=usr/games/raadkwartet
readonly shipped=usr/share/raadkwartet/Data
readonly screen_w=1280 screen_h=1024

# ---------------------------------------------------------------------------------------
# Inside xvfb-run: start the unpacked program twice as the player and play one game.
play() {
  local root=$1 home=$2 player_uid=$3
  local mine=$home/.local/share/Raadkwartet
  local ini=$mine/Raadkwartet.ini scores=$mine/Data/Scorelijst.lib
  # The X cookie xvfb-run made is readable by the caller only.
  cp "$XAUTHORITY" "$home/.Xauthority"
  mkdir -p -m 0700 "$home/runtime"
  if [ "$player_uid" != "$(id -u)" ]; then
    chown -R "$player_uid:$player_uid" "$home"
  fi
  local player_env=(HOME="$home" PATH=/usr/bin:/bin DISPLAY="$DISPLAY" XAUTHORITY="$home/.Xauthority"
    XDG_RUNTIME_DIR="$home/runtime" QT_QPA_PLATFORM=xcb LC_ALL=C.UTF-8)
  # Replaces the (sub)shell it runs in, so $! of "as_player ... &" is the program's own id,
  # the one its window carries.
  as_player() {
    if [ "$player_uid" != "$(id -u)" ]; then
      exec setpriv --reuid="$player_uid" --regid="$player_uid" --clear-groups -- env -i "${player_env[@]}" "$@"
    else
      exec env -i "${player_env[@]}" "$@"
    fi
  }
  # Polls up to 30 s for a condition; the program and Xvfb share two cores with the build.
  wait_for() {
    local what=$1
    shift
    for _ in $(seq 1 150); do
      if "$@"; then return 0; fi
      sleep 0.2
    done
    fail "timed out waiting for $what"
  }
  window_named() { xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1; }
  window_of() { xdotool search --onlyvisible --pid "$1" >/dev/null 2>&1; }
  # Qt's dialogs take the keyboard once they have the X input focus; no window manager runs.
  keys_to() {
    local wid
    wid=$(xdotool search --onlyvisible --name "^$1\$" | head -1)
    xdotool windowfocus --sync "$wid"
    shift
    xdotool "$@"
  }
  stop() {
    kill "$1" 2>/dev/null || true
    wait "$1" 2>/dev/null || true
  }

  echo "== First start as uid $player_uid, HOME=$home"
  as_player "$root/$exe" &
  pid=$!
  trap 'kill $pid 2>/dev/null || true' EXIT
  wait_for "the main window" window_of "$pid"
  wait_for "the settings file in the player's home" test -s "$ini"
  wait_for "the player's copy of the puzzle database" test -s "$mine/Data/Puzzel.lib"
  stop "$pid"
  cmp "$root/$shipped/Puzzel.lib" "$mine/Data/Puzzel.lib" ||
    fail "the player's puzzle database is not a copy of the shipped one"
  # With no settings found the program writes its defaults.
  printf '"Brovelt Software 2019"\r\n"%s"\r\n600\r\n30,30,40\r\n"Brovelt Software 2019"\r\n' \
    -------------------------- | cmp - "$ini" || fail "unexpected settings file: $(od -c "$ini" | head)"

  echo "== Second start: a game of 2 seconds"
  (as_player sed -i '3s/^600\r$/2\r/' "$ini")
  as_player "$root/$exe" &
  pid=$!
  wait_for "the main window" window_of "$pid"
  # Start is the first button of the bar along the bottom: the bar begins 300 twips from
  # the left and 1200 twips above the bottom (15 twips a pixel at 96 dpi), the button lies
  # 6 pixels into it and is 70 x 43.
  xdotool mousemove $((300 / 15 + 6 + 35)) $((screen_h - 1200 / 15 + 6 + 21)) click 1
  wait_for "the name question" window_named "Naam Speler"
  keys_to "Naam Speler" type --delay 20 "Speler Nobody"
  keys_to "Naam Speler" key Return
  wait_for "the end of the game" window_named "De Trefkoning"
  # The score is saved before the end message shows.
  grep -aqx $'"0000 - Speler Nobody"\r' "$scores" || fail "the score is not in $scores: $(od -c "$scores" | head)"
  # The end message opens by itself and takes no key in its first second.
  sleep 1.2
  keys_to "De Trefkoning" key Return
  wait_for "the score window" window_named "Hoogst Scorelijst"
  stop "$pid"
  echo "player's files:"
  (cd "$home" && find .local -type f -printf '  %p %s bytes\n' | sort)
}

if [ "$mode" = play ]; then
  play "$@"
  exit 0
fi

# ---------------------------------------------------------------------------------------
build=$(realpath "$1")
work=$2
cpack=${3:-cpack}
for tool in "$cpack" dpkg-deb lintian desktop-file-validate appstreamcli xvfb-run xdotool file setpriv; do
  command -v "$tool" >/dev/null || fail "$tool is missing (bash scripts/setup.sh test installs it)"
done

rm -rf "$work"
mkdir -p "$work"
# Outside the build tree, whose parents the player may not be allowed to enter.
scratch=$(mktemp -d /tmp/raadkwartet-deb.XXXXXX)
chmod 0755 "$scratch"
cleanup() {
  chmod -R u+w "$scratch" 2>/dev/null || true
  rm -rf "$scratch"
}
trap cleanup EXIT
root=$scratch/root
home=$scratch/home

echo "== cpack"
"$cpack" --config "$build/CPackConfig.cmake" -G DEB -B "$work" >"$work/cpack.log" 2>&1 ||
  { cat "$work/cpack.log"; fail "cpack failed"; }
debs=("$work"/raadkwartet_*.deb)
[ ${#debs[@]} = 1 ] && [ -f "${debs[0]}" ] || fail "expected one raadkwartet_*.deb in $work"
deb=${debs[0]}
echo "$deb"

echo "== control"
control=$(dpkg-deb --field "$deb")
echo "$control" | grep -v '^ '
for want in '^Package: raadkwartet$' '^Section: games$' '^Version: [0-9]+\.[0-9]+\.[0-9]+$' \
            '^Maintainer: .+ <.+@.+>$' '^Depends: .*libqt6widgets6' '^Depends: .*libc6' \
            '^Depends: .*fonts-liberation' '^Depends: .*qt6-translations-l10n'; do
  echo "$control" | grep -Eq "$want" || fail "control lacks $want"
done

echo "== lintian"
# Errors fail the package; warnings and notes are printed for the reader.
lintian_status=0
lintian --fail-on error --display-info "$deb" >"$work/lintian.log" 2>&1 || lintian_status=$?
grep -v '^running with root' "$work/lintian.log" || true
[ "$lintian_status" = 0 ] || fail "lintian reports errors"

echo "== unpacked tree"
dpkg-deb -x "$deb" "$root"
desktop=$root/usr/share/applications/$app_id.desktop
metainfo=$root/usr/share/metainfo/$app_id.metainfo.xml
desktop-file-validate "$desktop" || fail "desktop-file-validate: $desktop"
appstreamcli validate --no-net "$metainfo" || fail "appstreamcli validate: $metainfo"
# What the validators cannot see: the pieces must point at each other.
grep -qx "Exec=/$exe" "$desktop" || fail "the menu entry does not start /$exe"
grep -qx "Icon=$app_id" "$desktop" || fail "the menu entry's icon is not $app_id"
grep -q "<launchable type=\"desktop-id\">$app_id.desktop</launchable>" "$metainfo" ||
  fail "the AppStream data does not name $app_id.desktop"
for size in 48 128 256; do
  icon=$root/usr/share/icons/hicolor/${size}x$size/apps/$app_id.png
  file "$icon" | grep -q "PNG image data, $size x $size," || fail "not a $size pixel PNG: $icon"
done
[ -x "$root/$exe" ] || fail "no program at /$exe"
file "$root/$exe" | grep -q ', stripped' || fail "the program is not stripped"
# A Data folder beside the program would make it a folder install, writing beside itself.
[ ! -e "$root/$(dirname "$exe")/Data" ] || fail "a Data folder lies beside the program"
for f in Puzzel.lib Spreekwoorden.lib Nederlands.lib Nederlands.count Background.art LICENSE.OpenTaal Puzzel.versies; do
  cmp "$build/Data/$f" "$root/$shipped/$f" || fail "shipped $f differs from the build's"
done
[ "$(find "$root/$shipped" -type f | wc -l)" = 7 ] || fail "unexpected files in /$shipped: $(ls "$root/$shipped")"
for f in changelog.gz copyright; do
  [ -s "$root/usr/share/doc/raadkwartet/$f" ] || fail "no /usr/share/doc/raadkwartet/$f"
done

echo "== a game as an unprivileged player"
if [ "$(id -u)" = 0 ]; then
  player=65534
else
  echo "not root: the player is $(id -un), and the unpacked tree is made read-only"
  player=$(id -u)
  chmod -R a-w "$root"
fi
mkdir -m 0755 "$home"
listing() {
  (cd "$root" && find . -printf '%M %U:%G %s %T@ %p\n' | sort &&
    find . -type f -print0 | sort -z | xargs -0 sha256sum)
}
listing >"$work/before.txt"
xvfb-run -a -s "-screen 0 ${screen_w}x${screen_h}x24" bash "$0" --play "$root" "$home" "$player"
listing >"$work/after.txt"
diff "$work/before.txt" "$work/after.txt" || fail "the game changed files in the unpacked tree"
echo "PASS: $deb"
