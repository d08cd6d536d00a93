#!/usr/bin/env bash
# Builds Velmora's Debian packages twice with reprotest, the second build
# varied, and fails unless both give the same packages byte for byte
# (diffoscope then shows what differs). STORE_DIR/control/ keeps the first
# build's files (packages, .changes, the compile commands) for the checks
# of deb_test.py.
#   build_debian_packages.sh SOURCE_DIR STORE_DIR
set -euo pipefail
source=$(realpath "$1") store=$(realpath -m "$2")
rm -rf "$store" "$store-locales"

# What reprotest varies. Left out: user_group, which needs a second user
# account and sudo rules for it; fileordering, which mounts the tree through
# disorderfs (FUSE), which a container need not allow; and num_cpus: the
# build runs as many jobs as DEB_BUILD_OPTIONS says, so fewer cores would
# only slow the first build down. The varied build runs in Bulgarian, the
# program's own language, compiled here for it (the system need not have it).
variations=+all,-user_group,-fileordering,-num_cpus,locales.locale=bg_BG.UTF-8
mkdir -p "$store-locales"
localedef -i bg_BG -f UTF-8 "$store-locales/bg_BG.UTF-8"
export LOCPATH=$store-locales

# Compared: the binary packages. Kept for deb_test.py but not compared: the
# source package, whose tarball is named after the folder it was built in,
# what records the build's environment (.buildinfo, and .changes, which
# holds its checksum), and the compile commands.
artifacts="../*.deb ../*.dsc ../*.tar.xz ../*.buildinfo ../*.changes obj-*/compile_commands.json"
ignored=()
for kept in "*.dsc" "*.tar.xz" "*.buildinfo" "*.changes" "*compile_commands.json"; do
    ignored+=("--diffoscope-arg=--exclude=$kept")
done

# The source tree: the files git tracks and new ones not ignored (not the
# build folders), or the whole tree but those outside git.
cd "$source"
if listed=$(git ls-files --cached --others --exclude-standard 2>/dev/null); then
    files=$(while read -r f; do [ ! -e "$f" ] || printf '%s ' "$f"; done <<<"$listed")
else
    files=$(find . -mindepth 1 -maxdepth 1 ! -name 'build*' ! -name 'obj-*' ! -name .cache \
        -printf '%P ')
fi

# The tests run once on the program itself: both builds take the nocheck
# profile. The job count is DEB_BUILD_OPTIONS's, and a time the caller
# fixed would undo the time variation.
unset SOURCE_DATE_EPOCH MAKEFLAGS CMAKE_BUILD_PARALLEL_LEVEL
exec nice -n 10 reprotest --store-dir="$store" --min-cpus=2 --variations="$variations" \
    "${ignored[@]}" --source-pattern="$files" \
    -c "DEB_BUILD_OPTIONS='nocheck parallel=2' dpkg-buildpackage --no-sign -Pnocheck" \
    "$source" "$artifacts" -- null
