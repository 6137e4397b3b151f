#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the program need; given
# package names, those instead, without the packages they only recommend.
set -euo pipefail
packages=(g++ cmake make libgtest-dev libgmock-dev libbenchmark-dev qt6-base-dev qt6-translations-l10n libgl-dev python3 python3-ezdxf)
options=()
if [ $# -gt 0 ]; then
  packages=("$@")
  options=(--no-install-recommends)
fi
missing=()
for p in "${packages[@]}"; do
  dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq "${options[@]}" "${missing[@]}"
fi
