#!/bin/sh
# The layers hold: the core (store/, activities/rules/) includes nothing of
# Qt's widgets, pictures or media and no header of the layers above it, and
# no library includes the app's headers.
# usage: tst_layers.sh SOURCE_DIR
set -eu
cd "$1"
failed=0

includes() {
    # includes FOLDER...: every #include line of their C++ files
    find "$@" -maxdepth 1 \( -name '*.cpp' -o -name '*.h' \) -exec grep -H '^[[:space:]]*#[[:space:]]*include' {} +
}
headers_of() {
    # headers_of FOLDER: the header names a folder holds
    find "$1" -maxdepth 1 -name '*.h' -exec basename {} \;
}

core_bad=$(includes store activities/rules | grep -E '<Q(tWidgets|tGui|tMultimedia|tCharts)/|<Q(Widget|Dialog|MessageBox|Label|Pixmap|Image|Painter|Application|MediaPlayer|VideoSink)>' || true)
for folder in ui activities admin app; do
    for header in $(headers_of "$folder"); do
        core_bad="$core_bad$(includes store activities/rules | grep "\"$header\"" || true)"
    done
done
if [ -n "$core_bad" ]; then
    echo "FAIL: the core reaches above itself:"
    echo "$core_bad"
    failed=1
fi

app_bad=""
for header in $(headers_of app); do
    app_bad="$app_bad$(includes store activities/rules activities ui admin | grep "\"$header\"" || true)"
done
if [ -n "$app_bad" ]; then
    echo "FAIL: a library reaches the app:"
    echo "$app_bad"
    failed=1
fi

if [ "$failed" -eq 0 ]; then
    echo "2 passed, 0 failed"
else
    exit 1
fi
