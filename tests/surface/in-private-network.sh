#!/bin/sh
# Runs a program in a network namespace of its own in which loopback is the only adapter,
# so that whatever it broadcasts reaches nothing outside this computer. As root it needs
# nothing more; otherwise the system must allow user namespaces.
if [ "$#" -eq 0 ]; then
    echo "usage: $0 PROGRAM [ARGUMENT...]" >&2
    exit 2
fi
if ! unshare -rn true 2>/dev/null; then
    echo "$0: cannot make a private network namespace (unshare -rn failed):" \
        "run as root or allow user namespaces; the program is not run on the real network" >&2
    exit 1
fi
exec unshare -rn sh -c '
    if ! ip link set lo up; then
        echo "in-private-network.sh: cannot bring loopback up in the private namespace" >&2
        exit 1
    fi
    exec "$0" "$@"' "$@"
