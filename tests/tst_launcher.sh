#!/bin/sh
# The launcher on a fake installed tree: the program it starts is a stub
# that reports the home and working folder it was given and edits the
# database, as the real program does through the administrator.
# usage: tst_launcher.sh LAUNCHER
set -eu

launcher=$1
. "$(dirname "$0")/checks.sh"

prefix=$work/prefix
installed=$prefix/lib/ondalira
mkdir -p "$prefix/bin" "$installed/data" "$installed/media/system/ui" \
    "$installed/media/languages/Español/Letras/A/avión" "$installed/translations"
cp "$launcher" "$prefix/bin/ondalira"
printf 'default\n' > "$installed/data/bd"
printf 'png\n' > "$installed/media/languages/Español/Letras/A/avión/imagen.png"
printf 'qm\n' > "$installed/translations/OL_catala.qm"
printf 'pdf\n' > "$installed/manual-ol.pdf"
cat > "$installed/ondalira" <<'EOF'
#!/bin/sh
printf '%s\n%s\n%s\n' "$ONDALIRA_HOME" "$(pwd -P)" "$*" > "$REPORT"
[ -z "${EDIT:-}" ] || printf '%s\n' "$EDIT" >> "$ONDALIRA_HOME/data/bd"
EOF
chmod 755 "$prefix/bin/ondalira" "$installed/ondalira"
chmod -R a-w "$installed"

export REPORT="$work/report"
line() { sed -n "${1}p" "$REPORT"; }
has_line() { grep -qx "$2" "$1"; }

# First start: the default content is copied into the user's data folder.
user=$work/xdg/ondalira
HOME=$work/home XDG_DATA_HOME=$work/xdg EDIT='palabra nueva' \
    "$prefix/bin/ondalira" --flag
check "home passed to the program" [ "$(line 1)" = "$user" ]
check "runs in its home" [ "$(line 2)" = "$(cd "$user" && pwd -P)" ]
check "arguments passed on" [ "$(line 3)" = "--flag" ]
check "database copied" has_line "$user/data/bd" default
check "database edited in the copy" has_line "$user/data/bd" "palabra nueva"
check "installed database untouched" [ "$(cat "$installed/data/bd")" = default ]
check "media copied" [ -f "$user/media/languages/Español/Letras/A/avión/imagen.png" ]
owner_writes() { [ "$(stat -c %A "$1" | cut -c3)" = w ]; }
check "database copy writable" owner_writes "$user/data/bd"
check "media copy writable" owner_writes "$user/media/languages/Español/Letras/A/avión"
check "translations linked" test -L "$user/translations" -a -f "$user/translations/OL_catala.qm"
check "manual linked" [ -L "$user/manual-ol.pdf" ]
check "no staging left" [ ! -e "$user/.first-start" ]

# Later starts keep the user's changes.
HOME=$work/home XDG_DATA_HOME=$work/xdg "$prefix/bin/ondalira"
check "changes kept" has_line "$user/data/bd" "palabra nueva"

# Without XDG_DATA_HOME the copy goes to ~/.local/share.
HOME=$work/home2 "$prefix/bin/ondalira"
check "default data folder" [ -f "$work/home2/.local/share/ondalira/data/bd" ]

# Started through a symbolic link, as from another bin folder.
ln -s "$prefix/bin/ondalira" "$work/linked"
HOME=$work/home3 XDG_DATA_HOME=$work/xdg3 "$work/linked"
check "found through a link" [ -f "$work/xdg3/ondalira/data/bd" ]

# A home given by ONDALIRA_HOME is used as it stands.
mkdir -p "$work/own"
HOME=$work/home4 XDG_DATA_HOME=$work/xdg4 ONDALIRA_HOME=$work/own "$prefix/bin/ondalira"
check "ONDALIRA_HOME used" [ "$(line 1)" = "$work/own" ]
check "nothing copied for ONDALIRA_HOME" test ! -e "$work/xdg4/ondalira" -a ! -e "$work/own/data"

# A first start cut short after the media: the user's media stay, the
# database comes.
mkdir -p "$work/xdg5/ondalira/media/mine" "$work/xdg5/ondalira/.first-start/data"
printf 'mine\n' > "$work/xdg5/ondalira/media/mine/foto.png"
HOME=$work/home5 XDG_DATA_HOME=$work/xdg5 "$prefix/bin/ondalira"
check "user media kept" [ -f "$work/xdg5/ondalira/media/mine/foto.png" ]
check "user media left as they were" [ ! -e "$work/xdg5/ondalira/media/media" ]
check "database completed" has_line "$work/xdg5/ondalira/data/bd" default

# A user's own translations folder is not replaced by the link.
mkdir -p "$work/xdg6/ondalira/translations"
HOME=$work/home6 XDG_DATA_HOME=$work/xdg6 "$prefix/bin/ondalira"
check "own translations kept" [ ! -L "$work/xdg6/ondalira/translations" ]

# An installed tree without media still starts on its database.
chmod u+w "$installed"
mv "$installed/media" "$work/media.aside"
HOME=$work/home8 XDG_DATA_HOME=$work/xdg8 "$prefix/bin/ondalira"
check "started without media" [ "$(line 1)" = "$work/xdg8/ondalira" ]
check "database copied without media" [ -f "$work/xdg8/ondalira/data/bd" ]
mv "$work/media.aside" "$installed/media"
chmod u-w "$installed"

# A home that cannot be made: the launcher fails instead of starting.
rm -f "$REPORT"
printf 'file\n' > "$work/blocked"
if HOME=$work/home7 XDG_DATA_HOME=$work/blocked "$prefix/bin/ondalira" 2>/dev/null; then
    status=0
else
    status=1
fi
check "unwritable home fails" test "$status" = 1 -a ! -e "$REPORT"

chmod -R u+w "$work"
report
