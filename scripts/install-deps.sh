#!/usr/bin/env bash
# Installs, from Debian's packages, whatever the build, the tests and the program lack.
set -euo pipefail

packages=(cmake g++ make qt6-base-dev qt6-base-private-dev qt6-svg-dev libgl-dev desktop-file-utils appstream
          fonts-noto-ui-core fonts-noto-color-emoji fonts-dejavu-core
          qt6-speech-dev qt6-declarative-dev qt6-speech-speechd-plugin
          speech-dispatcher speech-dispatcher-espeak-ng espeak-ng)
packages+=("$@")

missing=()
for package in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
    [[ "$status" == "install ok installed" ]] || missing+=("$package")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

sudo=()
[[ $(id -u) -eq 0 ]] || sudo=(sudo)
echo "Installing: ${missing[*]}"
"${sudo[@]}" apt-get update -q
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
