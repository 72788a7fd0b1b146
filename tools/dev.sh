#!/usr/bin/env bash
# Set-up for a Debian 12 machine, then build and start the application or run
# every test. Idempotent: packages are installed only when missing.
#   tools/dev.sh app    install, build, start cpk-xr
#   tools/dev.sh test   install, build, run the whole test suite
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(
  build-essential cmake ninja-build pkg-config git
  clang libclang-rt-14-dev clang-format clang-tidy cmake-format
  libgtest-dev libgmock-dev libbenchmark-dev libboost-dev libfontconfig-dev
  qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins qt6-svg-dev libgl-dev libglx-dev libopengl-dev
  fonts-wqy-microhei fonts-liberation2 fonts-wine fontconfig fonts-noto-cjk locales
  xvfb xauth xdotool xclip poppler-utils mawk
  qt6-translations-l10n desktop-file-utils appstream dpkg-dev file
  libminizip-dev libfreexl-dev libxlsxwriter-dev libreoffice-calc-nogui
)

install_missing() {
  local missing=()
  for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  if ((${#missing[@]})); then
    echo "Installing: ${missing[*]}"
    local sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    $sudo apt-get update
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
  fi
  # The tests compare the window under C and under a Chinese locale.
  if ! locale -a 2>/dev/null | grep -qix 'zh_CN.utf8'; then
    local sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    grep -q '^zh_CN.UTF-8 UTF-8' /etc/locale.gen 2>/dev/null ||
      echo 'zh_CN.UTF-8 UTF-8' | $sudo tee -a /etc/locale.gen >/dev/null
    $sudo locale-gen
  fi
  # Earlier set-ups registered Wine's fonts for the whole machine; the
  # application now registers Tahoma for itself.
  local conf=/etc/fonts/conf.d/60-cpk-xr-wine-fonts.conf
  if [ -f "$conf" ]; then
    local sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    $sudo rm -f "$conf"
    fc-cache -f >/dev/null 2>&1 || true
  fi
}

build() {
  cmake --preset default >/dev/null
  cmake --build --preset default
}

case "${1:-}" in
  app)
    install_missing
    build
    exec ./build/default/app/cpk-xr
    ;;
  test)
    install_missing
    build
    ctest --preset default
    ;;
  *)
    echo "usage: tools/dev.sh app|test" >&2
    exit 2
    ;;
esac
