#!/usr/bin/env bash
# Fuzzes the record file reader and the settings file reader with libFuzzer,
# each for a bounded time.
#   bash tools/fuzz.sh [SECONDS]     (per reader; default 40)
# Installs nothing: tools/install-deps.sh brings clang and its fuzzer runtime.
# Without them the run is skipped; only a real finding (crash, leak, sanitizer
# report, a broken round trip) makes it fail.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-40}
dir=build-fuzz

if ! command -v clang++ >/dev/null 2>&1; then
  echo "fuzz: clang++ is not installed; skipped"
  exit 0
fi
probe=$(mktemp -d)
trap 'rm -rf "$probe"' EXIT
echo 'extern "C" int LLVMFuzzerTestOneInput(const unsigned char*, unsigned long) { return 0; }' >"$probe/p.cpp"
if ! clang++ -fsanitize=fuzzer,address,undefined "$probe/p.cpp" -o "$probe/p" >/dev/null 2>&1; then
  echo "fuzz: clang++ cannot link libFuzzer (libclang-rt-dev missing?); skipped"
  exit 0
fi

CC=clang CXX=clang++ cmake -S fuzz -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$dir" --target zarvo-fuzz-record-reader zarvo-fuzz-settings-reader

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=0
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
# fuzz TARGET SEEDS DICT MAX_LEN: new inputs go to a scratch corpus; the seeds stay as they are.
fuzz() {
  local corpus="$dir/corpus-$1"
  mkdir -p "$corpus"
  echo "fuzz: $1 for $seconds s"
  "$dir/bin/zarvo-fuzz-$1" -max_total_time="$seconds" -max_len="$4" -timeout=10 -rss_limit_mb=2048 \
    -dict="$3" -print_final_stats=1 -artifact_prefix="$dir/$1-" "$corpus" "$2"
}
fuzz record-reader fuzz/corpus fuzz/record.dict 16384
fuzz settings-reader fuzz/settings_corpus fuzz/settings.dict 4096
