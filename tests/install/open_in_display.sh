#!/usr/bin/env bash
# Runs inside an X display (xvfb-run): starts the given command, waits for a
# window titled LW_EXPECT_TITLE, checks it is shown with the window class
# LW_EXPECT_CLASS, saves a screenshot to LW_SHOT, lists the files the
# program and its child processes have mapped in LW_MAPS and ends the
# command. The command's output goes to LW_LOG.
set -uo pipefail
: "${LW_EXPECT_TITLE:?}" "${LW_SHOT:?}" "${LW_LOG:?}"

"$@" >"$LW_LOG" 2>&1 &
pid=$!
stop() {
  if kill -0 "$pid" 2>/dev/null; then
    kill "$pid" 2>/dev/null
    for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
    kill -9 "$pid" 2>/dev/null
  fi
  wait "$pid" 2>/dev/null
}
trap stop EXIT

# The first start in a fresh home also installs the helper and compiles the
# web engine's caches; allow for a busy machine.
window=""
for _ in $(seq 240); do
  kill -0 "$pid" 2>/dev/null || { echo "the program ended before showing \"$LW_EXPECT_TITLE\""; exit 1; }
  window=$(xdotool search --onlyvisible --name "^${LW_EXPECT_TITLE}\$" 2>/dev/null | head -n 1)
  [ -n "$window" ] && break
  sleep 0.5
done
if [ -z "$window" ]; then
  echo "no visible window \"$LW_EXPECT_TITLE\"; windows now:"
  for w in $(xdotool search --onlyvisible --name . 2>/dev/null); do echo "  $(xdotool getwindowname "$w")"; done
  exit 1
fi
echo "window $window: \"$(xdotool getwindowname "$window")\""

if [ -n "${LW_EXPECT_CLASS:-}" ]; then
  class=$(xprop -id "$window" WM_CLASS)
  echo "$class"
  grep -q "\"$LW_EXPECT_CLASS\"" <<<"$class" || { echo "the window's class is not $LW_EXPECT_CLASS"; exit 1; }
fi

# Let the first frames of the editor settle before the picture.
sleep 3
import -window root "$LW_SHOT" && echo "screenshot $LW_SHOT"
if [ -n "${LW_MAPS:-}" ]; then
  "$(dirname "$0")/mapped_files.sh" "$pid" $(pgrep -P "$pid") >"$LW_MAPS"
  echo "$(wc -l <"$LW_MAPS") files mapped by $(( $(pgrep -c -P "$pid") + 1 )) processes"
fi
exit 0
