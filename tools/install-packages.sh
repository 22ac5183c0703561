#!/usr/bin/env bash
# Installs the Debian packages the build needs, only those that are missing; through sudo when
# not run as root.
set -euo pipefail

packages=(g++ cmake ninja-build pkg-config libgtest-dev libgmock-dev libbenchmark-dev
          libxxhash-dev qt6-base-dev qt6-multimedia-dev libqt6multimedia6 qt6-qpa-plugins
          fonts-liberation2 fonts-dejavu-core qt6-translations-l10n dpkg-dev file lintian
          desktop-file-utils appstream zlib1g-dev "$@")
missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$package")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
if [ "$(id -u)" -ne 0 ]; then
    sudo="sudo"
fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
