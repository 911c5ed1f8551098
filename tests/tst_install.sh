#!/bin/sh
# Installs the build into a temporary DESTDIR and starts what was installed as
# a user would. Usage: tst_install.sh BUILD_DIR INSTALL_PREFIX
set -eu
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
fail() { echo "FAIL: $*"; cat "$tmp/err" 2>/dev/null; exit 1; }
DESTDIR="$tmp/root" cmake --install "$1" >/dev/null
root="$tmp/root$2"
desktop="$root/share/applications/pl.tesk.TeskControl.desktop"
desktop-file-validate "$desktop" || fail "desktop entry"
appstreamcli validate --no-net "$root/share/metainfo/pl.tesk.TeskControl.metainfo.xml" >/dev/null || fail "metainfo"

# start DIR COMMAND...: runs it in DIR until it names its interface language.
start() {
  : >"$tmp/err" # now, not in the child, which may start late
  (cd "$1" && shift && exec "$@") >/dev/null 2>>"$tmp/err" &
  for _ in $(seq 300); do
    grep -q "^Interface language\|^Język interfejsu" "$tmp/err" && break || sleep 0.1
  done
  kill $! 2>/dev/null || fail "the program ended at start"
  wait $! || true
}

# The menu entry's command in a fresh home: a folder of the user's own, English by default.
start "$tmp" env -u XDG_DATA_HOME HOME="$tmp/home" "$tmp/root$(sed -n 's/^Exec=//p' "$desktop")"
grep -q "^Interface language: English ($root/share/tesk-control/lang/tesk_control_eng.qm" "$tmp/err" \
  || fail "English from the installation"
[ -d "$tmp/home/.local/share/tesk-control" ] || fail "no settings folder of the user's own"

# A site folder with English set and a lang/ of its own: that one wins.
mkdir -p "$tmp/site/lang"
cp "$root/share/tesk-control/lang/tesk_control_pl.qm" "$tmp/site/lang/tesk_control_eng.qm"
printf '<Config>\n <AppSettings Language="eng"/>\n</Config>\n' > "$tmp/site/config.xml"
start "$tmp/site" "$root/bin/tesk-control"
grep -q "^Język interfejsu: polski (lang/tesk_control_eng.qm" "$tmp/err" || fail "lang/ of the working directory"

"$root/bin/tesk-qml-check" "$root"/share/tesk-control/examples/demo/project/qml/*.qml >"$tmp/err" 2>&1 \
  || fail "the installed demo scenes"

# The recorder's service runs the installed recorder on the instance's folder,
# and the recorder finds the installed demo usable.
unit="$root/lib/systemd/system/tesk-recorder@.service"
grep -qx "ExecStart=$2/bin/tesk-recorder %f" "$unit" || fail "the recorder's service"
cp -r "$root/share/tesk-control/examples/demo/project" "$tmp/demo"
"$root/bin/tesk-recorder" --check "$tmp/demo" >"$tmp/err" 2>&1 || fail "tesk-recorder --check of the demo"
grep -q "13 points on 5 controllers" "$tmp/err" || fail "tesk-recorder --check: $(cat "$tmp/err")"
