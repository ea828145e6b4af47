#!/usr/bin/env bash
# Builds the product's package again from the same sources as another
# version, for the installer test's upgrade: the windows preset configured in
# FOLDER with TAVEL_VERSION=VERSION, only what the package needs. The folder
# is the one tools/reproducible-build builds in, so after it only the version
# resources, the links and the package are made again.
#   newer_package.sh SOURCE_FOLDER FOLDER VERSION
set -euo pipefail
source=$1 folder=$2 version=$3
log=$(mktemp)
trap 'rm -f "$log"' EXIT
cd "$source"
{ cmake --preset windows -B "$folder" -DTAVEL_VERSION="$version" &&
    cmake --build "$folder" --target msi; } >"$log" 2>&1 || { cat "$log"; exit 1; }
echo "built $folder/Tavelkit-$version.msi"
