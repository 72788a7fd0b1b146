# Sourced by the tests that drive the real application on a virtual X server:
# checks the tools (exit 77 skips the test), re-runs the script inside
# xvfb-run, starts the application and finds its window. Afterwards $app_pid,
# $work (a scratch folder), $window and its position $x $y are set.
# Usage inside a script: source xvfb_app.sh "$0" path/to/cpk-xr
script=$1
app=${2:?usage: $script path/to/cpk-xr}
if [ ! -x "$app" ]; then echo "FAIL: $app is not an executable"; exit 1; fi

for tool in xvfb-run xdotool xclip; do
  if ! command -v "$tool" >/dev/null; then
    echo "SKIPPED: $tool is not installed (tools/dev.sh installs it)"
    exit 77
  fi
done

if [ -z "${CPK_XVFB_INSIDE:-}" ]; then
  export CPK_XVFB_INSIDE=1
  exec xvfb-run -a -s "-screen 0 1920x1080x24" "$script" "$app"
fi

unset QT_QPA_PLATFORM
export QT_QPA_PLATFORM=xcb
work=$(mktemp -d)
app_pid=""
cleanup() {
  [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

"$app" >"$work/app.log" 2>&1 &
app_pid=$!

window=""
for _ in $(seq 300); do  # up to 30 s: the sanitizer build starts slowly
  window=$(xdotool search --onlyvisible --name 'CPK-X-R' 2>/dev/null | head -n1 || true)
  [ -n "$window" ] && break
  sleep 0.1
done
if [ -z "$window" ]; then
  echo "FAIL: the window did not appear"; cat "$work/app.log"; exit 1
fi
xdotool windowmove --sync "$window" 0 0 >/dev/null 2>&1 || true
xdotool windowfocus --sync "$window"
sleep 0.3
read -r x y < <(xdotool getwindowgeometry --shell "$window" | awk -F= '/^X=/{x=$2} /^Y=/{y=$2} END{print x, y}')
