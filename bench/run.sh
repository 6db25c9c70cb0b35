#!/usr/bin/env bash
# Benchmarks, each measured side by side in one run. Inputs go to BENCH_DIR
# (default /tmp/halvane-bench) and are made once.
set -euo pipefail
build=${1:-build-release}
dir=${BENCH_DIR:-/tmp/halvane-bench}
mkdir -p "$dir"
cli="$build/cli/halvane-cli"
mk="$build/tools/mkbkf"
sb="$build/bench/scan_bench"

seconds() { local s e; s=$(date +%s.%N); "$@" > /dev/null; e=$(date +%s.%N); awk -v s="$s" -v e="$e" 'BEGIN { printf "%.3f", e - s }'; }

[ -f "$dir/random-1g.bin" ] || "$mk" random "$dir/random-1g.bin" $((1 << 30))
[ -f "$dir/many-2g.bkf" ] || "$mk" many "$dir/many-2g.bkf" 20000 100000
[ -f "$dir/large-1g.bkf" ] || "$mk" large "$dir/large-1g.bkf" $((1 << 30))
[ -f "$dir/million.snap" ] || "$build/bench/snapshot_bench" snapshot "$dir/million.snap" 1000000
[ -f "$dir/small-10k.bkf" ] || "$mk" many "$dir/small-10k.bkf" 10000 2000

echo "== 1 GiB of random bytes (page cache)"
cat "$dir/random-1g.bin" > /dev/null
echo "cat:      $(seconds cat "$dir/random-1g.bin") s"
"$sb" scan "$dir/random-1g.bin"
"$sb" literal "$dir/random-1g.bin"

echo "== 2 GiB backup of 20,000 files"
"$sb" scan "$dir/many-2g.bkf"
"$sb" scan "$dir/many-2g.bkf"

echo "== extract a 1 GiB file"
cat "$dir/large-1g.bkf" > /dev/null
rm -f "$dir/out.bin" "$dir/cp.bin"
"$sb" extract "$dir/large-1g.bkf" "$dir/out.bin"
echo "cp:       $(seconds cp "$dir/large-1g.bkf" "$dir/cp.bin") s for $(stat -c %s "$dir/large-1g.bkf") bytes"
rm -f "$dir/out.bin" "$dir/cp.bin"

echo "== search a snapshot of 1,000,000 records"
cat "$dir/million.snap" > /dev/null
echo "search:   $(seconds "$cli" search "$dir/million.snap" '*folder42\file*.edb' --quiet --format tsv) s"

echo "== save 10,000 small files"
rm -rf "$dir/saved" && mkdir -p "$dir/saved"
t=$(seconds "$cli" save "$dir/small-10k.bkf" --quiet --to "$dir/saved")
echo "save:     $t s, $(awk -v t="$t" 'BEGIN { printf "%d", 10000 / t }') files/s"
rm -rf "$dir/saved"

if [ -x "$build/bench/tree_bench" ]; then
  echo "== the catalog tree through the real file-found handler (offscreen)"
  "$build/bench/tree_bench" 100000 1 2>/dev/null
  "$build/bench/tree_bench" 100000 5000 2>/dev/null
  "$build/bench/tree_bench" 200000 1 2>/dev/null
  # Memory for a million records.
  "$build/bench/tree_bench" 1000000 1000 2>/dev/null
fi
