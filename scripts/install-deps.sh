#!/usr/bin/env bash
# Installs every Debian package needed to build, run and test Velmora.
# Run as root on a fresh Debian 12 machine.
set -euo pipefail

if [ "$(id -u)" -ne 0 ]; then
    SUDO=sudo
else
    SUDO=
fi

export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq \
    build-essential cmake ninja-build pkg-config git \
    qt6-base-dev libgl-dev \
    libjpeg62-turbo-dev \
    libgsf-1-dev \
    libsqlcipher-dev \
    libcurl4-openssl-dev \
    googletest libgtest-dev libgmock-dev libbenchmark-dev \
    clang libclang-rt-14-dev clang-format \
    xvfb xauth x11-utils imagemagick \
    fonts-dejavu-core \
    python3 python3-xlrd python3-xlwt \
    openssl ca-certificates \
    >/dev/null
echo "install-deps: all packages installed"
