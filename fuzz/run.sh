#!/usr/bin/env bash
# Runs fuzz targets built by fuzz/build.sh one after another, each for SECONDS (600 unless
# told), at the lowest priority, and prints one line per target: executions, seconds,
# corpus size, and whether it found anything. A finding stops the run; libFuzzer leaves the
# input as build/fuzz/findings/<target>/crash-*. An input that runs over 60 s counts as a
# finding (a hang); less would report stalls of a busy shared machine.
#
#   fuzz/run.sh [-t SECONDS] [TARGET...]     every target when none is named
#   fuzz/run.sh --merge [TARGET...]          minimises the committed corpora: what the runs
#                                            found that adds coverage joins fuzz/corpus/,
#                                            hand-written seeds (named files) always stay
#
# Logs: build/fuzz/logs/<target>.log. Working corpora: build/fuzz/corpus/<target>.
set -euo pipefail
cd "$(dirname "$0")/.."
bin=build/fuzz/fuzz
table=$bin/targets.txt
[ -f "$table" ] || { echo "build the targets first: fuzz/build.sh"; exit 1; }

seconds=600 merge=0
case "${1:-}" in
  -t) seconds=$2; shift 2 ;;
  --merge) merge=1; shift ;;
esac
targets=("$@")
[ ${#targets[@]} -gt 0 ] || mapfile -t targets < <(cut -d' ' -f1 "$table")

folders_of() { awk -v t="$1" '$1 == t { $1 = ""; print }' "$table"; }

# libFuzzer's files are named by their SHA-1; every other file is a hand-written seed.
is_generated() { [[ $(basename "$1") =~ ^[0-9a-f]{40}$ ]]; }

run_target() {
  local target=$1 work=build/fuzz/corpus/$1 log=build/fuzz/logs/$1.log findings=build/fuzz/findings/$1
  mkdir -p "$work" "$findings" build/fuzz/logs
  local start=$SECONDS
  # shellcheck disable=SC2046
  if ! nice -n 19 "$bin/$target" -max_total_time="$seconds" -timeout=60 -rss_limit_mb=2560 \
      -print_final_stats=1 -artifact_prefix="$findings/" "$work" $(folders_of "$target") \
      >"$log" 2>&1; then
    echo "$target: FINDING after $((SECONDS - start)) s, see $log and $findings/"
    return 1
  fi
  local runs
  runs=$(awk '/stat::number_of_executed_units/ {print $2}' "$log")
  echo "$target: $runs executions in $((SECONDS - start)) s, corpus $(ls "$work" | wc -l) inputs, no finding"
}

merge_target() {
  local target=$1 committed merged
  committed=$(folders_of "$target" | awk '{print $1}')
  merged=$(mktemp -d)
  for file in "$committed"/*; do
    if ! is_generated "$file"; then cp "$file" "$merged/"; fi
  done
  nice -n 19 "$bin/$target" -merge=1 "$merged" "$committed" "build/fuzz/corpus/$target" \
    >"build/fuzz/logs/$target.merge.log" 2>&1
  for file in "$committed"/*; do
    if is_generated "$file"; then rm "$file"; fi
  done
  for file in "$merged"/*; do
    if is_generated "$file"; then cp "$file" "$committed/"; fi
  done
  rm -rf "$merged"
  echo "$target: $(ls "$committed" | wc -l) inputs, $(du -sk "$committed" | cut -f1) KB in $committed"
}

for target in "${targets[@]}"; do
  if [ $merge = 1 ]; then merge_target "$target"; else run_target "$target"; fi
done
