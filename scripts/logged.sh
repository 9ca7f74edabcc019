#!/bin/sh
# Runs a command with its output appended to a log file, so that the screen
# keeps only the scripts' own progress lines. When the command fails it says
# so, names the log and shows the log's last lines.
#
#   logged.sh LOG COMMAND [ARG...]
set -u
log=${1:?usage: logged.sh LOG COMMAND [ARG...]}
shift
mkdir -p "$(dirname "$log")"
"$@" </dev/null >>"$log" 2>&1 && exit 0
status=$?
echo "FAILED: $* (log: $log)" >&2
tail -n 15 "$log" >&2
exit $status
