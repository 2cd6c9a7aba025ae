# guard.sh, sourced: GuardedRun NAME TOOL COMMAND... runs one command of a sweep under the time
# bound GuardSeconds and the memory bound GuardMegabytes, prints one line for it and returns
# non-zero when it crashed, hung, went over the bound or drew a sanitizer report. Exit status 1
# or 2 with a message is a refusal the tools make on purpose, and passes.
GuardSeconds="${GuardSeconds:-60}"
GuardMegabytes="${GuardMegabytes:-1500}"
GuardDir="$(mktemp -d)"
trap 'rm -rf "$GuardDir"' EXIT

# The sanitizers end the run with status 66, and kill it beyond the memory bound.
export QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}"
if [[ -z ${XDG_RUNTIME_DIR:-} ]]; then
  export XDG_RUNTIME_DIR="$GuardDir/runtime"
  mkdir -m 700 "$XDG_RUNTIME_DIR"
fi
export ASAN_OPTIONS="detect_leaks=1:exitcode=66:hard_rss_limit_mb=$GuardMegabytes"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1:exitcode=66"

GuardedRun() {
  local name="$1" tool="$2"
  shift 2
  /usr/bin/time -f '%e %M' -o "$GuardDir/time" timeout -k 5 "$GuardSeconds" "$@" \
    >/dev/null 2>"$GuardDir/log"
  local status=$? elapsed kilobytes
  read -r elapsed kilobytes <"$GuardDir/time" 2>/dev/null
  [[ ${kilobytes:-} =~ ^[0-9]+$ ]] || kilobytes=0
  # time(1) says "Command terminated by signal" on a first line of its own.
  [[ ${elapsed:-} =~ ^[0-9.]+$ ]] || read -r elapsed kilobytes < <(tail -1 "$GuardDir/time")
  local peak=$((${kilobytes:-0} / 1024)) verdict=ok
  if ((status == 124 || status == 137)); then verdict=TIME-OUT
  elif grep -q 'Sanitizer\|runtime error:' "$GuardDir/log"; then verdict=SANITIZER
  elif ((status > 2)); then verdict="CRASH($status)"
  elif ((peak > GuardMegabytes)); then verdict=OVER-LIMIT
  fi
  printf '%-10s %-40s %-15s %6s s %5d MB\n' "$verdict" "$name" "$tool" "${elapsed:-?}" "$peak"
  [[ $verdict == ok ]] && return 0
  head -c 300 "$GuardDir/log"
  grep -m 5 -A 15 'Sanitizer\|runtime error:' "$GuardDir/log" | head -40
  return 1
}
