#!/bin/sh
# One Wine session for the whole Windows test run.
#
#   wine_session.sh start   ends any server left in the prefix, starts a server that stays up,
#                           then creates or updates the prefix
#   wine_session.sh stop    ends the session
#
# Left to itself, the server exits as soon as no Windows program runs, and the next program
# starts a new one (and Wine's own background programs with it), which takes seconds. A program
# that starts while the old server is going down can fail without a word, so the tests share
# one server that stays up. Everything here runs with standard streams on /dev/null: Wine's
# background programs outlive this script and must not hold the test runner's pipes open.
set -u
case "${1:-}" in
  start)
    wineserver -k </dev/null >/dev/null 2>&1
    wineserver -w </dev/null >/dev/null 2>&1
    mkdir -p "${WINEPREFIX:-$HOME/.wine}"  # the server runs inside the prefix's folder
    wineserver -p </dev/null >/dev/null 2>&1 || exit 1
    exec wine wineboot -i </dev/null >/dev/null 2>&1
    ;;
  stop)
    wineserver -k </dev/null >/dev/null 2>&1
    exit 0  # a server that has already gone is no failure of the tests
    ;;
  *)
    echo "usage: $0 start|stop" >&2
    exit 2
    ;;
esac
