#!/bin/sh
# Rebuilds the asset generators and regenerates every delivered asset in the tree:
# the pictures and icons in resources/, the sounds and organ text backups in data/.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build-assets"

# A wrapper project of our own, so the generators build without the whole program.
wrapper="$build/wrapper"
mkdir -p "$wrapper"
cat > "$wrapper/CMakeLists.txt" <<CMAKE
cmake_minimum_required(VERSION 3.25)
project(organclock_assets LANGUAGES CXX)
set(CMAKE_CXX_STANDARD 20)
set(CMAKE_CXX_STANDARD_REQUIRED ON)
add_subdirectory("$root/tools/assets" assets)
CMAKE
cmake -S "$wrapper" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release > /dev/null
cmake --build "$build" -j2 --target make_pictures make_sounds

mkdir -p "$root/data"
"$build/assets/make_pictures" "$root"
"$build/assets/make_sounds" "$root/data"
"$root/tools/assets/make_texts.sh" "$root"
echo "assets regenerated"
