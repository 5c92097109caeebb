#!/usr/bin/env bash
# The installed programs, unpacked from both packages into a temporary root that no one may
# write, started as the desktop entry starts them, offscreen, each time with a home of its own:
#   - a new student who leaves at once has nothing made for them;
#   - a new student who accepts the introduction has exactly the new student's settings file,
#     in a folder and files of their own alone (0700, 0600);
#   - with a relative HOME and no XDG_CONFIG_HOME, as root, nothing is written beside the program;
#   - vantrel --version and --help answer without a display, a wrong option exits 2;
#   - vantrel-lab finds its chart from any folder.
# After all of them the unpacked root is as it was.
#
#   installed_program_test.sh PACKAGE_DIR STUDENT_DRIVER.so
set -euo pipefail
packages=$1
driver=$(realpath "$2")
work=$(mktemp -d)
trap 'chmod -R u+w "$work"; rm -rf "$work"' EXIT
root=$work/root
for deb in "$packages"/vantrel_*.deb "$packages"/vantrel-data_*.deb; do dpkg-deb -x "$deb" "$root"; done

entry=$(echo "$root"/usr/share/applications/*.desktop)
data_dir=$root$(sed -n 's/^Path=//p' "$entry")
program=$root/usr/bin/$(sed -n 's/^Exec=//p' "$entry")
chmod -R a-w "$root"
listing() { (cd "$root" && find . -printf '%p %s %T@\n' | sort); }
before=$(listing)
status=0
fail() {
    echo "$*"
    status=1
}

# student PLAN HOME [ENV...]: runs the program as its desktop entry does, or from the folder
# $from; prints the transcript.
student() {
    local plan=$1 home=$2
    shift 2
    mkdir -p -m 700 "$work/runtime"
    (
        cd "${from:-$data_dir}"
        env -i PATH="$PATH" HOME="$home" XDG_RUNTIME_DIR="$work/runtime" QT_QPA_PLATFORM=offscreen \
            LD_PRELOAD="$driver" STUDENT="$plan" "$@" timeout 60 "$program"
        echo "exit $?"
    )
}
expect_transcript() {
    [ "$1" = "$2" ] || fail "The program went:"$'\n'"$1"$'\n'"expected:"$'\n'"$2"
}
enrolled='front Tf_main
front Tf_first
front Tf_menu
exit 0'

echo "== a student who leaves at once"
mkdir -m 700 "$work/leaver"
expect_transcript "$(student leaves "$work/leaver" XDG_CONFIG_HOME="$work/leaver/config")" \
    $'front Tf_main\nexit 0'
[ -z "$(ls -A "$work/leaver")" ] || fail "made before any save: $(cd "$work/leaver" && find .)"

echo "== a student who enrols"
mkdir -m 700 "$work/home"
expect_transcript "$(student enrols "$work/home" XDG_CONFIG_HOME="$work/home/config")" "$enrolled"
folder=$work/home/config/vantrel
printf '[GAME]\nLV=N1\nRANK=00\nDECK=6\nSOFT17=1\nINSURANCE=0\nEVENMONEY=0\nSURRENDER=0\nPLAYPER=60\nMAXHAND=4\nGAMESPEED=3\n' |
    diff - "$folder/vantrel.INI" || fail "$folder/vantrel.INI is not the new student's file"
modes=$(cd "$folder" && stat -c '%n %a' . vantrel.INI vantrel.sqlite)
[ "$modes" = $'. 700\nvantrel.INI 600\nvantrel.sqlite 600' ] || fail "modes in $folder:"$'\n'"$modes"

echo "== a relative HOME, as root"
if [ "$(id -u)" -ne 0 ]; then
    echo "skipped: not root"
else
    # The progress goes to root's own home; the case runs only where that holds none yet, and
    # takes away what it made.
    config=$(getent passwd root | cut -d: -f6)/.config
    if [ -e "$config/vantrel" ]; then
        echo "skipped: $config/vantrel exists, and is not the test's to change"
    else
        made=$config
        [ -e "$config" ] && made=$config/vantrel
        expect_transcript "$(from=$work student enrols relhome)" "$enrolled"
        [ -f "$config/vantrel/vantrel.INI" ] || fail "no progress kept in $config/vantrel"
        rm -rf "$made"
    fi
fi

echo "== vantrel --version, --help and a wrong option, without a display"
version=$(env -i PATH="$PATH" "$program" --version) || fail "vantrel --version failed"
[[ "$version" =~ ^vantrel\ [0-9.]+$ ]] || fail "vantrel --version said: $version"
env -i PATH="$PATH" "$program" --help | grep -q -- --version || fail "vantrel --help failed"
wrong=0
env -i PATH="$PATH" "$program" --frobnicate 2>/dev/null || wrong=$?
[ $wrong -eq 2 ] || fail "vantrel --frobnicate exited $wrong, not 2"

echo "== vantrel-lab sim from another folder"
(cd "$work" && env -i PATH="$PATH" "$root/usr/bin/vantrel-lab" sim --rounds 1000 >/dev/null) ||
    fail "vantrel-lab sim did not find its chart"

if [ "$(listing)" != "$before" ]; then
    fail "The programs changed their own files:"
    diff <(echo "$before") <(listing) || true
fi
[ $status -eq 0 ] && echo "every installed run kept to its own folders"
exit $status
