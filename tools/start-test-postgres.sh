#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts a throw-away PostgreSQL server for the history tests: its own data folder in a temporary
# folder, listening on 127.0.0.1 and a socket in that folder, on a port of its own; stopped and
# removed when the calling shell exits.
#
#   . tools/start-test-postgres.sh            # in a script: exports FIELDSHOT_TEST_PGSQL_URL
#   tools/start-test-postgres.sh CMD ARGS...  # runs CMD with the variable set, then stops
#
# FIELDSHOT_TEST_PGSQL_PORT chooses the port (default 54329).

_fs_pg_start() {
    local bindir port root run_as user
    bindir=$(ls -d /usr/lib/postgresql/*/bin 2>/dev/null | sort -V | tail -n 1)
    if [ -z "$bindir" ] || [ ! -x "$bindir/initdb" ]; then
        echo "start-test-postgres: PostgreSQL is not installed (Debian package postgresql)" >&2
        return 1
    fi
    port=${FIELDSHOT_TEST_PGSQL_PORT:-54329}
    root=$(mktemp -d /tmp/fieldshot-pg.XXXXXX)
    run_as=()
    user=$(id -un)
    # initdb refuses to run as root: the server then belongs to the postgres account.
    if [ "$(id -u)" -eq 0 ]; then
        user=postgres
        chown postgres: "$root"
        run_as=(runuser -u postgres --)
    fi
    "${run_as[@]}" "$bindir/initdb" -D "$root/data" -U "$user" -A trust -E UTF8 --no-locale >"$root/initdb.log" 2>&1 || {
        cat "$root/initdb.log" >&2
        return 1
    }
    "${run_as[@]}" "$bindir/pg_ctl" -D "$root/data" -l "$root/server.log" -w -t 30 \
        -o "-p $port -k $root -c listen_addresses=127.0.0.1 -c fsync=off" start >/dev/null || {
        cat "$root/server.log" >&2
        return 1
    }
    _FS_PG_STOP="${run_as[*]} $bindir/pg_ctl -D $root/data -m fast stop >/dev/null 2>&1; rm -rf $root"
    trap 'eval "$_FS_PG_STOP"' EXIT
    "${run_as[@]}" "$bindir/createdb" -h 127.0.0.1 -p "$port" -U "$user" fieldshot_test || return 1
    export FIELDSHOT_TEST_PGSQL_URL="postgresql://$user@127.0.0.1:$port/fieldshot_test"
    echo "start-test-postgres: FIELDSHOT_TEST_PGSQL_URL=$FIELDSHOT_TEST_PGSQL_URL"
}

if [ "${BASH_SOURCE[0]}" != "$0" ]; then
    _fs_pg_start
else
    set -euo pipefail
    _fs_pg_start
    if [ $# -gt 0 ]; then
        "$@"
    fi
fi
