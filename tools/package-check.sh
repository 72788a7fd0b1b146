#!/usr/bin/env bash
# Builds the Debian package and checks it: metadata valid, the expected files
# inside, and the extracted application starting and showing its window.
set -euo pipefail
cd "$(dirname "$0")/.."

cmake --workflow --preset package
deb=$(ls build/package/cpk-xr_*.deb | head -n1)
echo "== $deb"

desktop-file-validate packaging/org.cpkxr.CpkXr.desktop
# No warning passes: the component id is in reverse-DNS form.
# (Printed from a variable: tee /dev/stderr would reopen and truncate a log file.)
validation=$(appstreamcli validate --no-net --pedantic packaging/org.cpkxr.CpkXr.metainfo.xml)
echo "$validation"
if grep -qE '^[WE]:' <<<"$validation"; then
  echo "AppStream metadata has warnings" >&2
  exit 1
fi
grep -q '^Exec=cpk-xr %f$' packaging/org.cpkxr.CpkXr.desktop || { echo "the desktop entry does not open files" >&2; exit 1; }

contents=$(dpkg-deb -c "$deb")
for path in ./usr/bin/cpk-xr ./usr/bin/cpk-xr-batch ./usr/share/applications/org.cpkxr.CpkXr.desktop ./usr/share/metainfo/org.cpkxr.CpkXr.metainfo.xml ./usr/share/mime/packages/cpk-xr-study.xml \
            ./usr/share/icons/hicolor/scalable/apps/cpk-xr.svg ./usr/share/icons/hicolor/48x48/apps/cpk-xr.png; do
  grep -q " $path\$" <<<"$contents" || { echo "package lacks $path" >&2; exit 1; }
done
if grep -qE 'scenario|_tests|bench' <<<"$contents"; then
  echo "package holds developer files" >&2
  exit 1
fi
dpkg-deb -f "$deb" Depends | grep -q 'libqt6widgets6' || { echo "Depends lacks the Qt libraries" >&2; exit 1; }

root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg-deb -x "$deb" "$root"
# Started from the extracted files under a virtual X server: its window must appear.
xvfb-run -a -s "-screen 0 1366x768x24" bash -c '
  "$1/usr/bin/cpk-xr" & app=$!
  found=1
  for _ in $(seq 1 50); do
    if xdotool search --onlyvisible --name "CPK-X-R" >/dev/null 2>&1; then found=0; break; fi
    sleep 0.2
  done
  kill "$app" 2>/dev/null || true
  exit $found' _ "$root"
echo "package check: passed"
