#!/usr/bin/env bash
# Sets everything up and starts the game; options are passed on (try --help).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
exec build/curbside "$@"
