#!/usr/bin/env bash
# Load figures of the highscore server on loopback: requests per second and p50/p99 latency of
# get.php and submit.php at 1, 16 and 256 concurrent clients, on SQLite and on PostgreSQL, each
# again with 1,000 slow clients attached. Every run is bounded in time and in requests.
#
#   scripts/server-load.sh [BUILD]            the server in BUILD (default build)
#   SERVERS="before=/path/a after=/path/b" scripts/server-load.sh [BUILD]
#                                             two servers, run by turns for every figure, so that
#                                             the machine's other load hits both alike
# Settings (environment): RUN_SECONDS (5), RUN_REQUESTS per wrk thread (50000), LEVELS ("1 16 256"),
# STORES ("sqlite postgres"), SLOW (1000), FILL (5000 entries in each table before the runs).
# Needs wrk (apt-get install wrk) and, for PostgreSQL, the postgresql package. The game sends one
# request per connection, so every request here opens a connection of its own.
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD=${1:-build}
SERVERS=${SERVERS:-"server=$BUILD/server/tolvex-highscore-server"}
HELPER=$BUILD/tests/server/tolvex_server_load_helper
RUN_SECONDS=${RUN_SECONDS:-5}
RUN_REQUESTS=${RUN_REQUESTS:-50000}
LEVELS=${LEVELS:-"1 16 256"}
STORES=${STORES:-"sqlite postgres"}
SLOW=${SLOW:-1000}
FILL=${FILL:-5000}
# Every server run takes a port of its own: the last one's closed connections may still hold its.
PORT=19600
PG_PORT=19432
PREFIX=/games/tolvexExt107highscore

command -v wrk >/dev/null || { echo "server-load.sh needs wrk: apt-get install wrk" >&2; exit 1; }
[ -x "$HELPER" ] || { echo "build first: $HELPER is missing (make build)" >&2; exit 1; }
ulimit -n "$(ulimit -Hn)"

WORK=$(mktemp -d /tmp/tolvex-load.XXXXXX)
chmod 755 "$WORK"
SERVER_PID="" SLOW_PID="" PG_DATA=""
cleanup() {
  [ -n "$SLOW_PID" ] && kill "$SLOW_PID" 2>/dev/null || true
  [ -n "$SERVER_PID" ] && kill "$SERVER_PID" 2>/dev/null || true
  [ -n "$PG_DATA" ] && as_postgres "$PG_BIN/pg_ctl" -D "$PG_DATA" -m immediate -w stop >/dev/null 2>&1 || true
  rm -rf "$WORK"
}
trap cleanup EXIT

as_postgres() { if [ "$(id -u)" -eq 0 ]; then runuser -u postgres -- "$@"; else "$@"; fi; }

# A throwaway PostgreSQL with its usual durability (fsync on), as design.md describes.
start_postgres() {
  PG_BIN=$(ls -d /usr/lib/postgresql/*/bin | sort -V | tail -1)
  mkdir -p "$WORK/pg"
  [ "$(id -u)" -eq 0 ] && chown postgres "$WORK/pg"
  as_postgres "$PG_BIN/initdb" -D "$WORK/pg/data" -A trust -U tolvex >/dev/null
  PG_DATA=$WORK/pg/data
  as_postgres "$PG_BIN/pg_ctl" -D "$PG_DATA" -l "$WORK/pg/log" -w \
    -o "-p $PG_PORT -k $WORK/pg -c listen_addresses=127.0.0.1 -c max_connections=200" start >/dev/null
}

db_for() {  # store, server name
  case $1 in
    sqlite) echo "$WORK/$2.sqlite" ;;
    postgres) echo "postgresql://tolvex@127.0.0.1:$PG_PORT/$2" ;;
  esac
}

new_table() {  # store, server name
  if [ "$1" = postgres ]; then as_postgres "$PG_BIN/psql" -h 127.0.0.1 -p "$PG_PORT" -U tolvex -d postgres -qc \
    "DROP DATABASE IF EXISTS $2" -c "CREATE DATABASE $2" >/dev/null
  else rm -f "$WORK/$2".sqlite*; fi
  "$HELPER" fill "$(db_for "$1" "$2")" "$FILL"
}

start_server() {  # binary, db
  local limits=""
  PORT=$((PORT + 1))
  # The load comes from one address: the per-address limits of the new server would refuse it.
  "$1" --help | grep -q max-submits-per-minute &&
    limits="--max-submits-per-minute 0 --max-connections-per-address 0"
  # shellcheck disable=SC2086
  "$1" --port "$PORT" --db "$2" --listen 127.0.0.1 $limits >"$WORK/server.log" 2>&1 &
  SERVER_PID=$!
  for _ in $(seq 100); do
    wrk -t1 -c1 -d1s --timeout 1s "http://127.0.0.1:$PORT$PREFIX/get.php?limit=1" >/dev/null 2>&1 && return
    sleep 0.1
  done
  echo "the server did not start: $(cat "$WORK/server.log")" >&2
  exit 1
}

stop_server() {
  kill "$SERVER_PID" 2>/dev/null || true
  wait "$SERVER_PID" 2>/dev/null || true
  SERVER_PID=""
}

# One wrk run; prints "req/s p50 p99 errors" (milliseconds).
measure() {  # targets file, clients
  local threads=$(($2 < 2 ? 1 : 2)) out
  out=$(wrk -t"$threads" -c"$2" -d"${RUN_SECONDS}s" --timeout 5s --latency -s scripts/server-load.lua \
    "http://127.0.0.1:$PORT" -- "$1" "$RUN_REQUESTS" 2>&1)
  awk '
    function ms(v) { if (v ~ /us$/) return v / 1000; if (v ~ /ms$/) return v + 0; if (v ~ /s$/) return v * 1000; return v }
    /Requests\/sec/ { rate = $2 }
    /^ +50%/ { p50 = ms($2) }
    /^ +99%/ { p99 = ms($2) }
    /Socket errors/ { gsub(/,/, ""); errors += $4 + $6 + $8 + $10 }
    /Non-2xx/ { errors += $5 }
    END {
      if (rate + 0 == 0) { print "0 - - " errors + 0; exit }
      printf "%.0f %.2f %.2f %d\n", rate, p50, p99, errors
    }
  ' <<<"$out"
}

echo "$PREFIX/get.php?limit=10&funpicbuffer=0" >"$WORK/get.txt"
RESULTS=$WORK/results.txt
: >"$RESULTS"
for store in $STORES; do
  [ "$store" = postgres ] && [ -z "$PG_DATA" ] && start_postgres
  for server in $SERVERS; do
    new_table "$store" "${server%%=*}"
  done
  for slow in 0 "$SLOW"; do
    for endpoint in get.php submit.php; do
      for clients in $LEVELS; do
        # By turns: the same figure for every server before the next figure.
        for server in $SERVERS; do
          name=${server%%=*} binary=${server#*=}
          start_server "$binary" "$(db_for "$store" "$name")"
          if [ "$slow" -gt 0 ]; then
            "$HELPER" slow "$PORT" "$slow" $((RUN_SECONDS + 4)) >/dev/null &
            SLOW_PID=$!
            sleep 2
          fi
          targets=$WORK/get.txt
          if [ "$endpoint" = submit.php ]; then
            targets=$WORK/submit-$name-$store-$slow-$clients.txt
            "$HELPER" queries 200000 "$name $store $slow $clients" >"$targets"
          fi
          echo "$store $slow $endpoint $clients $name $(measure "$targets" "$clients")" | tee -a "$RESULTS" >&2
          if [ -n "$SLOW_PID" ]; then kill "$SLOW_PID" 2>/dev/null || true; wait "$SLOW_PID" 2>/dev/null || true; SLOW_PID=""; fi
          stop_server
        done
      done
    done
  done
done

echo
echo "| store | slow clients | request | clients | server | req/s | p50 ms | p99 ms | errors |"
echo "|---|---|---|---|---|---|---|---|---|"
while read -r store slow endpoint clients name rate p50 p99 errors; do
  echo "| $store | $slow | $endpoint | $clients | $name | $rate | $p50 | $p99 | $errors |"
done <"$RESULTS"
