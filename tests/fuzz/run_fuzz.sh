#!/usr/bin/env bash
# Builds the query-engine fuzzer with clang and runs it for the given number of
# seconds. Any crash, hang, leak or sanitizer report fails the run.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
mkdir -p "${1:?build folder}"
build="$(cd "$1" && pwd)"
seconds="${2:-60}"

cmake -S "$here/project" -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=Debug >/dev/null
cmake --build "$build" >/dev/null

corpus="$build/corpus"
mkdir -p "$corpus"
i=0
while IFS= read -r seed; do
  printf '%s' "$seed" > "$corpus/seed-$i"
  i=$((i + 1))
done <<'SEEDS'
ів 3:16
1 Кор 13:4–7
пс 23:
«любов»
„віра“ і надія
Об’явлення 22:21
ісуса навина 1
ів 1234
ів 3:16—18,
бог є любов
SEEDS
printf 'любов\0Бог є любов, і любові' > "$corpus/seed-text"

export ASAN_OPTIONS=detect_leaks=1
export UBSAN_OPTIONS=print_stacktrace=1
cd "$build"
"$build/fuzz_query_engine" -max_total_time="$seconds" -timeout=10 -max_len=512 \
  -print_final_stats=1 "$corpus" 2>&1 | tail -n 25
exit "${PIPESTATUS[0]}"
