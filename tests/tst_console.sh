#!/bin/sh
# The program started from a terminal on the default pack: while the
# start-up videos play it prints nothing of its media backend's; logging
# rules of the user's own bring Qt's and FFmpeg's messages back, and even
# then FFmpeg has nothing to say about the videos themselves.
# usage: tst_console.sh PROGRAM PACK_HOME
set -eu

program=$1
pack=$2
. "$(dirname "$0")/checks.sh"

# A home of its own (the program writes to its database), the pack's media.
home=$work/home
mkdir -p "$home"
cp -r "$pack/data" "$home/data"
ln -s "$pack/media" "$home/media"
ln -s "$pack/translations" "$home/translations"

# run NAME [VAR=VALUE...]: runs the program until it has opened the second
# start-up video, so the first has been opened, decoded and shown; its
# standard error goes to $work/NAME.
run() {
    name=$1
    shift
    env -u QT_LOGGING_RULES -u QT_LOGGING_CONF -u QT_MESSAGE_PATTERN \
        HOME="$work/user" XDG_CONFIG_HOME="$work/user/config" \
        XDG_RUNTIME_DIR="$work/runtime-$name" ONDALIRA_HOME="$home" \
        QT_QPA_PLATFORM=offscreen QT_MEDIA_BACKEND=ffmpeg "$@" \
        "$program" 2> "$work/$name" &
    pid=$!
    tries=0
    until ls -l "/proc/$pid/fd" 2>/dev/null | grep -q splash-programa.avi; do
        tries=$((tries + 1))
        if [ "$tries" -gt 300 ] || ! kill -0 "$pid" 2>/dev/null; then
            echo "FAIL: $name: the second start-up video never opened" >&2
            failed=$((failed + 1))
            break
        fi
        sleep 0.1
    done
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
}

printed() { grep -q -i -E "$2" "$work/$1"; }
silent() { ! printed "$@"; }

run quiet
check "no codec listing" silent quiet "listing codecs"
check "no hardware probing" silent quiet "hw accel|hw context|AVHWDeviceContext|cuda|vaapi"
check "no decoder notes" silent quiet "EOI|mjpeg"
check "nothing at all" [ ! -s "$work/quiet" ]
[ ! -s "$work/quiet" ] || sed 's/^/  quiet: /' "$work/quiet" >&2

run verbose "QT_LOGGING_RULES=qt.multimedia*=true"
check "codec listing back" printed verbose "listing codecs"
check "hardware probing back" printed verbose "Checking HW acceleration"
check "no complaint about the videos" silent verbose "EOI missing"

mkdir -p "$work/user/config/QtProject"
printf '[Rules]\nqt.multimedia*=true\n' > "$work/user/config/QtProject/qtlogging.ini"
run configured
check "a user's qtlogging.ini counts" printed configured "listing codecs"

report
