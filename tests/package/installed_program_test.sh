#!/usr/bin/env bash
# The installed program keeps progress per user: unpacked from the package into a temporary root
# that no one may write, started as its desktop entry starts it, offscreen, with a home of its
# own; the student accepts the introduction. The per-user settings file then holds exactly the
# new student's eleven lines, and the unpacked root is as it was.
#
#   installed_program_test.sh PACKAGE.deb STUDENT_DRIVER.so
set -euo pipefail
deb=$1
driver=$(realpath "$2")
work=$(mktemp -d)
trap 'chmod -R u+w "$work"; rm -rf "$work"' EXIT
root=$work/root
dpkg-deb -x "$deb" "$root"

entry=$(echo "$root"/usr/share/applications/*.desktop)
data_dir=$root$(sed -n 's/^Path=//p' "$entry")
program=$root/usr/bin/$(sed -n 's/^Exec=//p' "$entry")
chmod -R a-w "$root"
listing() { (cd "$root" && find . -printf '%p %s %T@\n' | sort); }
before=$(listing)

mkdir -m 700 "$work/home" "$work/runtime"
transcript=$(
    cd "$data_dir"
    env -i PATH="$PATH" HOME="$work/home" XDG_CONFIG_HOME="$work/home/config" \
        XDG_RUNTIME_DIR="$work/runtime" QT_QPA_PLATFORM=offscreen LD_PRELOAD="$driver" \
        timeout 60 "$program"
    echo "exit $?"
)
expected='front Tf_main
front Tf_first
front Tf_menu
exit 0'
status=0
if [ "$transcript" != "$expected" ]; then
    printf 'The program went:\n%s\nexpected:\n%s\n' "$transcript" "$expected"
    status=1
fi
settings=$work/home/config/vantrel/vantrel.INI
printf '[GAME]\nLV=N1\nRANK=00\nDECK=6\nSOFT17=1\nINSURANCE=0\nEVENMONEY=0\nSURRENDER=0\nPLAYPER=60\nMAXHAND=4\nGAMESPEED=3\n' |
    diff - "$settings" || { echo "$settings is not the new student's file"; status=1; }
if [ "$(listing)" != "$before" ]; then
    echo "The program changed its own files:"
    diff <(echo "$before") <(listing) || true
    status=1
fi
[ $status -eq 0 ] && echo "progress kept in $settings; the installed files untouched"
exit $status
