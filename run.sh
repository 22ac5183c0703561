#!/usr/bin/env bash
# Sets up what is missing, builds, lays out the program folder and starts the window program in
# the user's own program folder. That folder is made from the shipped one the first time; later
# runs only add shipped files it lacks (a new sound, say) and never overwrite one: what the program
# has learned is the user's, and no rebuild may replace it.
set -euo pipefail
cd "$(dirname "$0")"
source_dir=$(pwd)

tools/install-packages.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DLORINTAL_BUILD_UI=ON >/dev/null
cmake --build build --parallel

user_dir="${XDG_DATA_HOME:-$HOME/.local/share}/lorintal"
if [ ! -d "$user_dir" ]; then
    mkdir -p "$(dirname "$user_dir")"
    cp -r build/program "$user_dir"
    echo "Made your program folder: $user_dir"
else
    cp -r --update=none build/program/. "$user_dir"/ 2>/dev/null ||
        cp -rn build/program/. "$user_dir"/
fi

# The window moves itself (the start-up shake, the farewell, centring), which only an X display
# allows; a Wayland session offers one through XWayland.
if [ -n "${DISPLAY:-}" ]; then
    export QT_QPA_PLATFORM=xcb
elif [ -n "${WAYLAND_DISPLAY:-}" ]; then
    echo "No X display (XWayland) found: the window opens, but it cannot move itself."
else
    echo "There is no display to open the window on; to talk at this terminal, run" \
         "$source_dir/build/tools/lorintal-console --dir \"$user_dir\"." >&2
    exit 1
fi

cd "$user_dir"
exec "$source_dir/build/src/lorintal"
