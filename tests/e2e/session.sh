# Sourced by the end-to-end scripts: a scratch folder and a virtual X server of their own,
# both gone when the script exits, and start_app to run the program under test in it. The
# programs keep their settings in the scratch folder, never in the user's.
#   $work      the scratch folder (app.log: what the program printed)
#   start_app PROGRAM ARGS...   runs it in the background on the virtual screen
#   start_peer LOG PROGRAM ARGS...   runs another program beside it, printing to $work/LOG
work="$(mktemp -d)"
export XDG_CONFIG_HOME="$work/config"
server_pid=""
app_pid=""
peer_pids=()
cleanup() {
  [[ -n "$app_pid" ]] && kill "$app_pid" 2>/dev/null || true
  for pid in "${peer_pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  [[ -n "$server_pid" ]] && kill "$server_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

start_screen() {
  local display=90
  while [[ -e "/tmp/.X11-unix/X$display" || -e "/tmp/.X$display-lock" ]]; do display=$((display + 1)); done
  Xvfb ":$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
  server_pid=$!
  export DISPLAY=":$display"
  for _ in $(seq 50); do xdotool getmouselocation >/dev/null 2>&1 && break; sleep 0.1; done
}

start_app() {
  [[ -n "$server_pid" ]] || start_screen
  # The program draws on the virtual screen; leaks are the unit tests' business.
  env -u QT_QPA_PLATFORM ASAN_OPTIONS=detect_leaks=0 "$@" >"$work/app.log" 2>&1 &
  app_pid=$!
}

start_peer() {
  [[ -n "$server_pid" ]] || start_screen
  local log="$1"
  shift
  env -u QT_QPA_PLATFORM ASAN_OPTIONS=detect_leaks=0 "$@" >"$work/$log" 2>&1 &
  peer_pids+=($!)
}
