#!/usr/bin/env bash
# Installs everything the build and the tests need, from Debian's packages, and the locale the tests
# run in. Safe to run again. Needs root (or sudo).
set -euo pipefail

SUDO=""
if [ "$(id -u)" -ne 0 ]; then
    SUDO="sudo"
fi

packages=(
    build-essential cmake
    googletest libgtest-dev libbenchmark-dev
    qt6-base-dev libgl-dev
    time
    clang libclang-rt-dev clang-format
    locales fonts-dejavu-core
)

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$package")
    fi
done
if [ "${#missing[@]}" -gt 0 ]; then
    $SUDO apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# The suite runs under a decimal-comma locale to prove the number text ignores the locale.
if ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$'; then
    $SUDO localedef -i de_DE -f UTF-8 de_DE.UTF-8
fi
