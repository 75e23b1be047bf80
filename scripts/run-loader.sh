#!/usr/bin/env bash
# Installs what is missing, builds, and starts the loader. Arguments go to
# Tarvel as they are: "task file,speed,port number,link type" loads one task
# unattended.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/build.sh
exec build/bin/Tarvel "$@"
