#!/usr/bin/env bash
# expect-exit.sh CODE PATTERN COMMAND...: runs COMMAND without a display and passes when it
# exits with CODE and its output matches the extended regular expression PATTERN.
set -u
expected_code=$1
pattern=$2
shift 2
output=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$@" 2>&1)
code=$?
printf '%s\n' "$output"
if [[ $code -ne $expected_code ]]; then
    echo "expected exit code $expected_code, got $code"
    exit 1
fi
if ! grep -Eq -- "$pattern" <<<"$output"; then
    echo "expected output matching: $pattern"
    exit 1
fi
