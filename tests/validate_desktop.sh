#!/usr/bin/env bash
# Debian's checks of the desktop entry and the AppStream metadata: not even a
# hint from desktop-file-validate, and no error or warning from appstreamcli.
#   validate_desktop.sh <file.desktop> <file.metainfo.xml>
set -u
for tool in desktop-file-validate appstreamcli; do
    command -v $tool >/dev/null 2>&1 || { echo "SKIP: $tool is not installed"; exit 77; }
done
failures=0
output=$(desktop-file-validate "$1" 2>&1) && [ -z "$output" ] \
    || { echo "$output"; echo "FAIL: desktop-file-validate"; failures=$((failures + 1)); }
output=$(appstreamcli validate --no-net "$2" 2>&1)
status=$?
echo "$output"
if [ $status -ne 0 ] || grep -q '^[EW]:' <<<"$output"; then
    echo "FAIL: appstreamcli validate"
    failures=$((failures + 1))
fi
exit $((failures > 0))
