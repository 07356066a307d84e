#!/bin/sh
# Runs one command of the set-up with all its output appended to a log, so that the terminal
# shows one line per step. When the command fails, says so in one line that names the log, shows
# the end of what the command wrote (where a compiler's error is) and passes its exit status on.
# Usage: logged.sh LOG STEP COMMAND [ARGUMENT...]
set -u
log=$1 step=$2
shift 2

mkdir -p "$(dirname "$log")"
start=1
[ -f "$log" ] && start=$(($(wc -l <"$log") + 1))
status=0
"$@" >>"$log" 2>&1 </dev/null || status=$?
if [ "$status" -ne 0 ]; then
    echo "$step failed (exit status $status); the whole output is in $log, which ends:" >&2
    tail -n "+$start" "$log" | tail -n 20 >&2
fi
exit "$status"
