#!/usr/bin/env bash
# Builds the libFuzzer targets with clang in a build folder of their own and runs each for the
# given seconds (default 60) from a scratch copy of its seed corpus in tests/fuzz/corpus/, so that
# the committed corpus stays as it is. Prints one line per target with the executions per second
# and libFuzzer's coverage figures (cov: edges, ft: features). Exits non-zero on any crash, leak,
# sanitizer report or broken property, and says where the input that caused it was kept.
#   tools/fuzz-check.sh [seconds]
set -euo pipefail
cd "$(dirname "$0")/.."
root="$PWD"

seconds="${1:-60}"
if ! [[ "$seconds" =~ ^[1-9][0-9]*$ ]]; then
  echo "usage: $0 [seconds per target]" >&2
  exit 2
fi

build="$root/build-fuzz"
findings="$build/fuzz-findings" # the inputs that failed, one folder per target
work="$build/fuzz-run"          # corpus copies and logs of the last run

# The fuzz build configures the whole project, so it needs the project's packages, and clang with
# its libFuzzer runtime on top.
tools/install-packages.sh
missing=()
for p in clang-14 libclang-rt-14-dev; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  if [ "$(id -u)" -eq 0 ]; then sudo=(); else sudo=(sudo); fi
  export DEBIAN_FRONTEND=noninteractive
  "${sudo[@]}" apt-get update -qq
  "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# target:corpus folder:dictionary ("-" for none)
targets=(
  "ini_fuzz:ini:tests/fuzz/ini.dict"
  "settings_file_fuzz:ini:tests/fuzz/ini.dict"
  "number_fuzz:number:-"
  "scene_fuzz:scene:tests/fuzz/scene.dict"
)
names=()
for entry in "${targets[@]}"; do names+=("${entry%%:*}"); done

mkdir -p "$build"
if ! { cmake -S . -B "$build" -DCMAKE_CXX_COMPILER=clang++-14 -DNIVEAU_FUZZ=ON &&
  cmake --build "$build" --parallel "$(nproc)" --target "${names[@]}"; } >"$build/fuzz-build.log" 2>&1; then
  tail -n 40 "$build/fuzz-build.log"
  echo "fuzz build failed; full log: $build/fuzz-build.log" >&2
  exit 1
fi

rm -rf "$findings" "$work"
mkdir -p "$findings" "$work"
# The settings harness writes and syncs a file for every input: on tmpfs that costs next to
# nothing, on a disk it costs milliseconds.
if [ -d /dev/shm ] && [ -w /dev/shm ]; then
  scratch="$(mktemp -d /dev/shm/niveau-fuzz.XXXXXX)"
else
  scratch="$(mktemp -d "$work/tmp.XXXXXX")"
fi
trap 'rm -rf "$scratch"' EXIT

# The last value of a "name: value" figure in a log.
figure() { grep -o "$1 *[0-9]*" "$2" | tail -n 1 | grep -o '[0-9]*$' || true; }

failed=0
for entry in "${targets[@]}"; do
  IFS=: read -r name corpus dict <<<"$entry"
  mkdir -p "$work/$name" "$findings/$name"
  cp -r "tests/fuzz/corpus/$corpus" "$work/$name/corpus"
  log="$work/$name/fuzz.log"
  options=(-max_total_time="$seconds" -print_final_stats=1 -timeout=10
    -artifact_prefix="$findings/$name/")
  if [ "$dict" != "-" ]; then options+=(-dict="$root/$dict"); fi

  status=0
  TMPDIR="$scratch" UBSAN_OPTIONS=print_stacktrace=1 \
    "$build/tests/fuzz/$name" "${options[@]}" "$work/$name/corpus" >"$log" 2>&1 || status=$?

  # Coverage from the last status line ("#N ... cov: C ft: F corp: U/..."), speed from the stats.
  status_line="$(grep -E '^#[0-9]+.* cov: ' "$log" | tail -n 1 || true)"
  cov="$(grep -o 'cov: [0-9]*' <<<"$status_line" | grep -o '[0-9]*' || true)"
  ft="$(grep -o 'ft: [0-9]*' <<<"$status_line" | grep -o '[0-9]*' || true)"
  units="$(grep -o 'corp: [0-9]*' <<<"$status_line" | grep -o '[0-9]*' || true)"
  speed="$(figure 'stat::average_exec_per_sec:' "$log")"
  runs="$(figure 'stat::number_of_executed_units:' "$log")"
  report="$(grep -m 1 -E 'ERROR: (AddressSanitizer|LeakSanitizer|libFuzzer)|runtime error:|property does not hold' "$log" || true)"

  if [ "$status" -eq 0 ] && [ -z "$report" ] && [ -n "$speed" ]; then
    echo "$name: ${speed} exec/s, cov ${cov:-?}, ft ${ft:-?}, corpus ${units:-?} units, ${runs:-?} runs in ${seconds} s"
    continue
  fi
  failed=1
  echo "$name: FAILED (exit $status): ${report:-no sanitizer report, see the log}"
  kept=("$findings/$name"/*)
  if [ -e "${kept[0]}" ]; then
    for input in "${kept[@]}"; do
      echo "  input kept in: $input"
      echo "  reproduce:     $build/tests/fuzz/$name $input"
    done
  else
    echo "  no input was kept"
  fi
  echo "  log: $log"
  grep -E -A 12 'ERROR: |runtime error:|property does not hold' "$log" | head -n 30 | sed 's/^/    /'
done
exit "$failed"
