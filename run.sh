#!/usr/bin/env bash
# Sets up what is missing, builds, lays out the program folder and starts the program in the
# user's own program folder. That folder is made from the shipped one only when it does not exist
# yet: what the program has learned is the user's, and no rebuild may overwrite it.
set -euo pipefail
cd "$(dirname "$0")"
source_dir=$(pwd)

tools/install-packages.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build --parallel

user_dir="${XDG_DATA_HOME:-$HOME/.local/share}/lorintal"
if [ ! -d "$user_dir" ]; then
    mkdir -p "$(dirname "$user_dir")"
    cp -r build/program "$user_dir"
    echo "Made your program folder: $user_dir"
fi

cd "$user_dir"
echo "Talking with Lorintal (program folder $user_dir). Type a phrase and press Enter; Ctrl+D ends."
exec "$source_dir/build/tools/lorintal-console" --dir "$user_dir"
