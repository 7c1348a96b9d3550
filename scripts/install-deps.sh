#!/usr/bin/env bash
# Installs whatever the build and the tests need and is not yet on this Debian 12 machine.
# Skips what is present; waits and retries while another process holds the package lock.
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config
  libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-dev qt6-multimedia-dev libqt6svg6
  fonts-dejavu-core
  xvfb xauth
  clang libclang-rt-14-dev clang-format
  dpkg-dev file desktop-file-utils appstream lintian
  libfreecell-solver-dev freecell-solver-bin
)

missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$p")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

sudo_cmd=()
[[ $(id -u) -eq 0 ]] || sudo_cmd=(sudo)

echo "Installing: ${missing[*]}"
apt_retry() {
  local attempt
  for attempt in $(seq 1 60); do
    if "${sudo_cmd[@]}" env DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=30 "$@"; then
      return 0
    fi
    echo "apt-get $1 failed (attempt $attempt); the package lock may be held, retrying in 10 s" >&2
    sleep 10
  done
  return 1
}
apt_retry update -q || true
apt_retry install -y -q --no-install-recommends "${missing[@]}"
