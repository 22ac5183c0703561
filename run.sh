#!/usr/bin/env bash
# Sets up what is missing, builds, and starts the window program. Started here, outside any
# program folder, the program works in the user's own folder, $XDG_DATA_HOME/lorintal: it makes
# that folder from the build's program folder the first time, later only adds shipped files it
# lacks and never overwrites one, so what it has learned survives every rebuild. It also picks the
# display itself. The choice is the program's own, the same as an installed copy makes.
set -euo pipefail
cd "$(dirname "$0")"

tools/install-packages.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DLORINTAL_BUILD_UI=ON >/dev/null
cmake --build build --parallel
exec build/src/lorintal "$@"
