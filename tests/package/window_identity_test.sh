#!/usr/bin/env bash
# The installed trainer's window, under a virtual X display, belongs to its desktop entry: its
# WM_CLASS is the entry's StartupWMClass, it carries an icon (_NET_WM_ICON), and its title is
# the course's own.
#
#   window_identity_test.sh PACKAGE_DIR
set -euo pipefail
packages=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for deb in "$packages"/vantrel_*.deb "$packages"/vantrel-data_*.deb; do
    dpkg-deb -x "$deb" "$work/root"
done
entry=$(echo "$work"/root/usr/share/applications/*.desktop)
export ENTRY_CLASS=$(sed -n 's/^StartupWMClass=//p' "$entry")
export DATA_DIR=$work/root$(sed -n 's/^Path=//p' "$entry")
export PROGRAM=$work/root/usr/bin/$(sed -n 's/^Exec=//p' "$entry")
mkdir -m 700 "$work/home" "$work/runtime"
export HOME=$work/home XDG_CONFIG_HOME=$work/home/config XDG_RUNTIME_DIR=$work/runtime
unset QT_QPA_PLATFORM

# Inside the display: start the trainer, wait for its window (for as long as the machine needs),
# report its properties, end it.
look_at_window() {
    set -euo pipefail
    (cd "$DATA_DIR" && exec "$PROGRAM") &
    local pid=$! window=
    for _ in $(seq 600); do
        # The frame, not Qt's 1×1 group leader of the same name.
        window=$(xwininfo -root -tree | awk '/"KDX-ZORUVIRID"/ && !/ 1x1\+/ { print $1; exit }')
        [ -n "$window" ] && break
        sleep 0.2
    done
    [ -n "$window" ] || { echo "no window"; kill "$pid"; return 1; }
    xprop -id "$window" WM_CLASS WM_NAME
    # xprop draws each icon size; its heading line is enough.
    local icon
    icon=$(xprop -id "$window" _NET_WM_ICON)
    grep -m1 -E 'Icon \(|not found' <<<"$icon"
    kill "$pid"
    wait "$pid" || true
}
properties=$(xvfb-run -a -s "-screen 0 800x600x24" bash -c "$(declare -f look_at_window); look_at_window")
echo "$properties"
status=0
grep -qx "WM_CLASS(STRING) = \"$ENTRY_CLASS\", \"$ENTRY_CLASS\"" <<<"$properties" ||
    { echo "WM_CLASS is not the entry's StartupWMClass, $ENTRY_CLASS"; status=1; }
grep -q 'Icon ([0-9]* x [0-9]*)' <<<"$properties" || { echo "no window icon"; status=1; }
grep -qx 'WM_NAME(STRING) = "KDX-ZORUVIRID"' <<<"$properties" || { echo "not the course's title"; status=1; }
exit $status
