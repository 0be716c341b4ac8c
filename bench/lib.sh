# Shared by the side-by-side benchmark scripts: timing one pair of commands.
# Expects: out (a scratch folder), check (telqor_bench_check), N (items), ROUNDS.

# Stops with a clear message when a tool the script needs is missing.
require_tools() {
  for tool in "$@"; do
    [[ -x $tool ]] || { echo "missing $tool: build first (./telqor.sh test)" >&2; exit 1; }
  done
  [[ -x /usr/bin/time ]] || { echo "missing /usr/bin/time: apt-get install time" >&2; exit 1; }
}

# run NAME CMD...: runs once, appends "seconds peak-KB" to $out/NAME.times
run() {
  local name=$1
  shift
  /usr/bin/time -f "%e %M" -o "$out/$name.last" "$@" >/dev/null
  cat "$out/$name.last" >>"$out/$name.times"
}
best() { sort -n "$out/$1.times" | head -1; }

# pair_reset SIDE: removes the output of side ours or theirs before it runs; pair_check MODE:
# compares the two outputs. A script whose sides write something else redefines them.
pair_reset() { rm -rf "$out/$1"; }
pair_check() { "$check" "$1" "$out/ours" "$out/theirs"; }

# pair LABEL CHECK-MODE OURS-CMD -- THEIRS-CMD  (each command writes $out/ours or $out/theirs)
# Outputs are removed before each run, so no side waits on the other's dirty pages.
pair() {
  local label=$1 mode=$2
  shift 2
  local ours=() theirs=()
  while [[ $1 != -- ]]; do ours+=("$1"); shift; done
  shift
  theirs=("$@")
  rm -f "$out/ours.times" "$out/theirs.times"
  for ((r = 0; r < ROUNDS; r++)); do
    pair_reset ours; pair_reset theirs; sync
    run ours bash -c "${ours[*]}"
    pair_reset theirs; sync
    run theirs bash -c "${theirs[*]}"
  done
  local verdict
  if ! verdict=$(pair_check "$mode"); then
    printf '%-60s OUTPUTS DIFFER: %s\n' "$label" "$verdict"
    return
  fi
  read -r to mo < <(best ours)
  read -r tt mt < <(best theirs)
  awk -v l="$label" -v to="$to" -v tt="$tt" -v mo="$mo" -v mt="$mt" -v n="$N" -v v="$verdict" 'BEGIN {
    printf "%-60s %7.2fs %7.2fs %6.1fx   %5.0f MB %5.0f MB  %4.1f B/item  %s\n",
      l, to, tt, (to > 0 ? tt / to : 0), mo / 1024, mt / 1024, mo * 1024 / n, v }'
}

header() {
  printf '%-60s %8s %8s %7s   %8s %8s\n' "pair (telqor vs other)" telqor other ratio "telqor" "other"
}
