#!/bin/sh
# Times `kestrom-cli process --all` on a 32 MiB image (20 MiB of data, then
# 0xFF padding) against `cp` of the same file, in pairs within one run, and
# prints the medians and their ratios. The tool flushes its output to the disk
# before renaming it into place, which cp does not: the like-for-like figure
# is the ratio to cp followed by `sync` of the copy, goal at most 1.0.
#
# usage: bench/process_vs_cp.sh [path/to/kestrom-cli] [runs]
set -eu

here=$(cd "$(dirname "$0")" && pwd)
cli=${1:-"$here/../build/bin/kestrom-cli"}
runs=${2:-15}
[ -x "$cli" ] || { echo "no kestrom-cli at $cli; build it first or pass its path" >&2; exit 2; }

work=$(mktemp -d "${TMPDIR:-/tmp}/kestrom-bench.XXXXXX")
trap 'rm -rf "$work"' EXIT INT TERM

# The standard entry branch, random data, a used last byte, then the padding.
{
    printf '\056\000\000\352'
    head -c $((20 * 1024 * 1024 - 5)) /dev/urandom
    printf '\132'
    head -c $((12 * 1024 * 1024)) /dev/zero | tr '\000' '\377'
} > "$work/Game.gba"
printf '\010\100\117\342\002\104\104\342\034\340\217\342\244\020\237\345\004\000' > "$work/patch.wnt"
head -c 182 /dev/zero | tr '\000' '\341' >> "$work/patch.wnt"
mkdir "$work/out"

now() { date +%s%N; }
median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

: > "$work/cli.times"
: > "$work/cp.times"
: > "$work/cpsync.times"
i=0
while [ "$i" -lt "$runs" ]; do
    rm -f "$work/out/Game.gba" "$work/copy.gba" "$work/synced.gba"
    t0=$(now)
    "$cli" process --all --patch "$work/patch.wnt" --output "$work/out" "$work/Game.gba" > /dev/null
    t1=$(now)
    cp "$work/Game.gba" "$work/copy.gba"
    t2=$(now)
    cp "$work/Game.gba" "$work/synced.gba"
    sync "$work/synced.gba"
    t3=$(now)
    echo $(( (t1 - t0) / 1000 )) >> "$work/cli.times"
    echo $(( (t2 - t1) / 1000 )) >> "$work/cp.times"
    echo $(( (t3 - t2) / 1000 )) >> "$work/cpsync.times"
    i=$((i + 1))
done

cli_us=$(median < "$work/cli.times")
cp_us=$(median < "$work/cp.times")
cpsync_us=$(median < "$work/cpsync.times")
awk -v a="$cli_us" -v b="$cp_us" -v c="$cpsync_us" -v n="$runs" 'BEGIN {
    printf "runs: %d (medians)\n", n
    printf "kestrom-cli process --all: %7.1f ms\n", a / 1000
    printf "cp:                        %7.1f ms   ratio %.2f\n", b / 1000, a / b
    printf "cp + sync of the copy:     %7.1f ms   ratio %.2f (goal <= 1.0)\n", c / 1000, a / c
}'
