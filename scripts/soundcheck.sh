#!/bin/sh
# Checks by hand that the lip videos speak, in step with their mouth, and
# that nothing is heard with sound off: under Xvfb, with a private PulseAudio
# server whose null sink is the only sound output (Debian's pulseaudio and
# pulseaudio-utils: bash scripts/install-deps.sh pulseaudio pulseaudio-utils).
# Build the tool first:
#   cmake -S . -B build -DOL_SOUNDCHECK=ON && cmake --build build --target soundcheck
# Usage: scripts/soundcheck.sh [BUILD-DIR] [VIDEO...|calibrate]
# "calibrate" writes a tone straight to the output instead: the delay of the
# output and the recording themselves, to subtract from a video's figure.
set -eu
build=${1:-build}
[ $# -gt 0 ] && shift
home="$build/Ondalira/media/languages/Español/Letras"
[ $# -gt 0 ] || set -- "$home/C/casa/modulacion.avi" "$home/M/mono/modulacion.avi" "$home/A/abeja/modulacion.avi"

runtime=$(mktemp -d)
export XDG_RUNTIME_DIR="$runtime" PULSE_RUNTIME_PATH="$runtime/pulse" HOME="$runtime"
pulseaudio -n --daemonize=no --exit-idle-time=-1 --disallow-exit \
    --load=module-null-sink --load=module-native-protocol-unix >"$runtime/pulse.log" 2>&1 &
pulse=$!
trap 'kill $pulse 2>/dev/null; rm -rf "$runtime"' EXIT
for i in 1 2 3 4 5 6 7 8 9 10; do pactl info >/dev/null 2>&1 && break; sleep 0.3; done
# Qt lists no monitor sources: the sink's monitor again, as a plain source.
pactl load-module module-remap-source master=null.monitor source_name=recorder >/dev/null

for video in "$@"; do
    for sound in on off; do
        echo "== $(basename "$(dirname "$video")") sound $sound"
        # A recording to listen to, beside the tool's own timing.
        parecord -d null.monitor --file-format=wav "$runtime/rec.wav" &
        rec=$!
        QT_MEDIA_BACKEND=${QT_MEDIA_BACKEND:-ffmpeg} QT_LOGGING_RULES='qt.multimedia.*=false' \
            xvfb-run -a "$build/tools/soundcheck" "$video" "$sound" recorder
        kill $rec; wait $rec 2>/dev/null || true
        echo "parecord: $(stat -c %s "$runtime/rec.wav") bytes"
    done
done
