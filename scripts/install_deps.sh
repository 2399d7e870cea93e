#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the program need, only those missing.
# `install_deps.sh package` adds what building and checking the Debian package needs,
# `install_deps.sh lint` the formatter and clang-tidy, `install_deps.sh fuzz` clang and its
# libFuzzer and sanitizer runtimes.
set -euo pipefail

# libqt6sql6-sqlite: the SQLite driver of Qt SQL, which keeps study mode's progress record.
packages=(g++ cmake make qt6-base-dev libqt6sql6-sqlite fonts-liberation)
if [ "${1:-}" = package ]; then
    # CPack reads the binary's libraries with file and dpkg-shlibdeps (dpkg-dev); gzip packs the
    # manual page and the changelog; lintian checks the built package.
    packages+=(file dpkg-dev gzip desktop-file-utils appstream lintian)
fi
if [ "${1:-}" = lint ]; then
    packages+=(clang-format clang-tidy)
fi
if [ "${1:-}" = fuzz ]; then
    packages+=(clang libclang-rt-14-dev)
fi

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" ||
        missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo env DEBIAN_FRONTEND=noninteractive apt-get update -q
$sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends \
    "${missing[@]}"
