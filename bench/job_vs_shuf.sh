#!/usr/bin/env bash
# Times the whole job, 32,767 names in, everybody drawn, the export out, as a
# cold process against GNU shuf on the same file, with hyperfine:
#   bench/job_vs_shuf.sh BUILD_DIR [ROUNDS]
# Each round runs both, in turns that alternate which goes first, so that
# the load of the machine falls on both alike; prints the median of every
# run of each.
set -euo pipefail

build="$(cd "$1" && pwd)"
rounds="${2:-10}"
job="$build/bench/draw_everybody"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

# 32,767 names of 12 characters, one a line.
seq -f '参加者 No.%05g' 0 32766 >"$work/names.txt"

commands=("$job $work/names.txt $work/job.txt"
  "shuf $work/names.txt -o $work/shuf.txt")
for ((round = 0; round < rounds; ++round)); do
  if ((round % 2)); then
    order=("${commands[1]}" "${commands[0]}")
  else
    order=("${commands[@]}")
  fi
  hyperfine -N --style none --warmup 2 --runs 10 \
    --export-json "$work/round$round.json" "${order[@]}" >/dev/null
done

python3 - "$work" "$rounds" <<'EOF'
import json, statistics, sys
work, rounds = sys.argv[1], int(sys.argv[2])
times = {}
for r in range(rounds):
    for result in json.load(open(f"{work}/round{r}.json"))["results"]:
        name = result["command"].split()[0].rsplit("/", 1)[-1]
        times.setdefault(name, []).extend(result["times"])
for name, t in times.items():
    print(f"{name:15} median {statistics.median(t) * 1000:6.2f} ms"
          f"  ({len(t)} runs, {rounds} rounds)")
EOF
