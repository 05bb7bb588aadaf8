#!/bin/sh
# Installs the build into a temporary prefix and runs "Task Properties" as a
# file manager does: the installed entries name the installed launcher, and
# the Nautilus script starts the registered program with the folder's task.
# Usage: check-install.sh BUILD_DIR RECORDER_PROGRAM
set -eu
build=$1
recorder=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cmake --install "$build" --prefix "$work/prefix" >/dev/null
launcher="$work/prefix/bin/fennquill-open"
for entry in kio/servicemenus/fennquill-task-properties.desktop nemo/actions/fennquill-task-properties.nemo_action; do
  grep -qF "Exec=\"$launcher\" %F" "$work/prefix/share/$entry" || { echo "$entry does not start $launcher"; exit 1; }
done
test -x "$work/prefix/share/nautilus/scripts/Task Properties" || { echo "the Nautilus script is not executable"; exit 1; }
library=$(ldd "$work/prefix/bin/FQ" | awk '/libFennquill/ { print $3 }')
[ -n "$library" ] && [ "$(realpath "$library")" = "$(realpath "$work/prefix/lib/libFennquill.so")" ] ||
  { echo "the installed FQ does not find its library: $library"; exit 1; }
test -f "$work/prefix/bin/res.icl" || { echo "res.icl is not beside FQ"; exit 1; }

export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" FQ_RECORD_TO="$work/recorded"
mkdir -p "$work/Notes" "$XDG_CONFIG_HOME/Fennquill"
printf '[.ShellCLassInfo]\r\nTaskId=T 1; --x\r\n' > "$work/Notes/desktop.ini"
printf '[HKEY_CURRENT_USER\\Software\\Fennquill\\OS Data]\r\nAppPath=%s\r\n' "$recorder" > "$XDG_CONFIG_HOME/Fennquill/registry.ini"
"$work/prefix/share/nautilus/scripts/Task Properties" "$work/Notes"

tries=0
while [ ! -f "$work/recorded" ] && [ $tries -lt 100 ]; do sleep 0.1; tries=$((tries + 1)); done
recorded=$(tr '\0' '\n' < "$work/recorded")
[ "$recorded" = "T 1; --x" ] || { echo "the program got: $recorded"; exit 1; }
echo "installed entries start the task"
