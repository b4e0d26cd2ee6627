#!/usr/bin/env bash
# Installs the build into a scratch root, makes the Debian package, and checks that the package holds exactly
# what the install rules put there, that the desktop entry and the metainfo validate, and that the installed
# program, started with the installation as the system's data, finds its manual and registers nothing of its own.
set -euo pipefail
build=$1
source_dir=$2
source "$source_dir/tests/e2e/common.bash"
work=$(mktemp -d)
pid=
trap '[ -n "$pid" ] && kill -9 "$pid" 2>/dev/null; wait "$pid" 2>/dev/null || true; rm -rf "$work" "${home:-}" || true' EXIT

DESTDIR=$work/installed cmake --install "$build" --prefix /usr >/dev/null
(cd "$build" && cpack -G DEB -B "$work/deb" >/dev/null)
deb=$(ls "$work"/deb/*.deb)
dpkg-deb -x "$deb" "$work/unpacked"

(cd "$work/installed" && find . -type f | sort) >"$work/installed.list"
(cd "$work/unpacked" && find . -type f | sort) >"$work/unpacked.list"
diff -u "$work/installed.list" "$work/unpacked.list" || { echo "the package and the install rules differ" >&2; exit 1; }
grep -qx './usr/bin/tintwise-color-picker' "$work/unpacked.list" || { echo "no program in the package" >&2; exit 1; }
dpkg-deb -f "$deb" Depends | grep -q libqt6widgets6 || { echo "the package does not depend on Qt Widgets" >&2; exit 1; }

desktop-file-validate "$work/unpacked/usr/share/applications/tintwise-color-picker.desktop"
appstreamcli validate --no-net "$work/unpacked/usr/share/metainfo/org.tintwise.ColorPicker.metainfo.xml" >/dev/null

# The installed program's first start: the system's data holds the registration, so the user's data gets none.
make_home $'[Main]\nblnCodesTip=True\n'
export XDG_DATA_DIRS=$work/unpacked/usr/share
"$work/unpacked/usr/bin/tintwise-color-picker" &
pid=$!
wait_for_window '^Tintwise Color Picker $' >/dev/null
sleep 1
kill -TERM "$pid"
wait_for_exit "$pid"
pid=
if [ -n "$(find "$XDG_DATA_HOME" -mindepth 1 -print -quit)" ]; then
    echo "the installed program registered something of its own:" >&2
    find "$XDG_DATA_HOME" >&2
    exit 1
fi
[ -f "$work/unpacked/usr/share/tintwise-color-picker/Help.html" ] || { echo "no manual installed" >&2; exit 1; }
echo "the package holds $(wc -l <"$work/unpacked.list") files, validates, and its program registers nothing twice"
