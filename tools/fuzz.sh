#!/usr/bin/env bash
# Fuzzes the record file reader, the PGN reader or the settings file reader
# with libFuzzer for a bounded time.
#   bash tools/fuzz.sh [SECONDS] [record|pgn|settings]     (default 60, record)
# Installs nothing: tools/install-deps.sh brings clang and its fuzzer runtime.
# Without them the run is skipped; only a real finding (crash, leak, sanitizer
# report, a broken round trip) makes it fail.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
target=${2:-record}
case "$target" in
  record) binary=zarvo-fuzz-record-reader dict=fuzz/record.dict seeds=fuzz/corpus max_len=70000 ;;
  pgn) binary=zarvo-fuzz-pgn-reader dict=fuzz/pgn.dict seeds=fuzz/pgn_corpus max_len=16384 ;;
  # The program reads no settings file bigger than this.
  settings) binary=zarvo-fuzz-settings-reader dict=fuzz/settings.dict seeds=fuzz/settings_corpus max_len=4096 ;;
  *) echo "fuzz: unknown target $target (record, pgn or settings)" >&2; exit 2 ;;
esac
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
cmake --build "$dir" --target "$binary"

# New inputs go to a scratch corpus; the seeds stay as they are.
corpus="$dir/corpus-$target"
mkdir -p "$corpus"
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=0
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
"$dir/bin/$binary" -max_total_time="$seconds" -max_len="$max_len" -timeout=10 -rss_limit_mb=2048 \
  -dict="$dict" -print_final_stats=1 -artifact_prefix="$dir/" "$corpus" "$seeds"
