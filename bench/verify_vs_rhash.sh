#!/bin/sh
# Times `kestrom-cli verify` of 64 images of 8 MiB against a DAT of 6,000
# entries, once with every image known to it and once with none known,
# against `rhash --crc32 --md5 --sha1` of the same files, alternating the
# three in one run (warm cache), and prints the medians and the ratios.
# Goals: known at most 0.3x, unknown at most 0.15x rhash's wall time.
# Installs rhash (a Debian package) when it is missing.
#
# usage: bench/verify_vs_rhash.sh [path/to/kestrom-cli] [runs]
set -eu

here=$(cd "$(dirname "$0")" && pwd)
cli=${1:-"$here/../build/bin/kestrom-cli"}
runs=${2:-5}
[ -x "$cli" ] || { echo "no kestrom-cli at $cli; build it first or pass its path" >&2; exit 2; }
if ! command -v rhash >/dev/null 2>&1; then
    sudo=""
    [ "$(id -u)" -ne 0 ] && sudo=sudo
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends rhash
fi

work=$(mktemp -d "${TMPDIR:-/tmp}/kestrom-bench.XXXXXX")
trap 'rm -rf "$work"' EXIT INT TERM

# The images (random bytes, each its own), the DAT that knows them among
# 5,936 others, and one of 6,000 others of the usual cartridge sizes.
python3 - "$work" <<'EOF'
import hashlib, os, random, sys, zlib
work = sys.argv[1]
rng = random.Random(1)
known = []
for i in range(64):
    data = rng.randbytes(8 << 20)
    with open(os.path.join(work, "game%02d.gba" % i), "wb") as f:
        f.write(data)
    known.append((len(data), "%08x" % zlib.crc32(data), hashlib.md5(data).hexdigest(), hashlib.sha1(data).hexdigest()))
def other():
    return ((4 << 20) << rng.randrange(4), "%08x" % rng.getrandbits(32), "%032x" % rng.getrandbits(128),
            "%040x" % rng.getrandbits(160))
def write(name, entries):
    with open(os.path.join(work, name), "w") as f:
        f.write('<?xml version="1.0"?>\n<datafile>\n')
        for i, (size, crc, md5, sha1) in enumerate(entries):
            f.write('<game name="Game %d"><rom name="g%d.gba" size="%d" crc="%s" md5="%s" sha1="%s"/></game>\n'
                    % (i, i, size, crc, md5, sha1))
        f.write("</datafile>\n")
write("known.dat", known + [other() for _ in range(6000 - 64)])
write("unknown.dat", [other() for _ in range(6000)])
EOF
cat "$work"/*.gba > /dev/null

now() { date +%s%N; }
median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

: > "$work/rhash.times"
: > "$work/known.times"
: > "$work/unknown.times"
i=0
while [ "$i" -lt "$runs" ]; do
    t0=$(now)
    rhash --crc32 --md5 --sha1 "$work"/*.gba > /dev/null
    t1=$(now)
    "$cli" verify --dat "$work/known.dat" "$work"/*.gba > "$work/known.out"
    t2=$(now)
    "$cli" verify --dat "$work/unknown.dat" "$work"/*.gba > "$work/unknown.out" || true
    t3=$(now)
    echo $(( (t1 - t0) / 1000 )) >> "$work/rhash.times"
    echo $(( (t2 - t1) / 1000 )) >> "$work/known.times"
    echo $(( (t3 - t2) / 1000 )) >> "$work/unknown.times"
    i=$((i + 1))
done
[ "$(grep -c "	verified	" "$work/known.out")" -eq 64 ] || { echo "not every image was verified" >&2; exit 1; }
[ "$(grep -c "	unknown" "$work/unknown.out")" -eq 64 ] || { echo "an image was verified" >&2; exit 1; }

rhash_us=$(median < "$work/rhash.times")
known_us=$(median < "$work/known.times")
unknown_us=$(median < "$work/unknown.times")
awk -v r="$rhash_us" -v k="$known_us" -v u="$unknown_us" -v n="$runs" 'BEGIN {
    printf "runs: %d (medians), 64 images of 8 MiB, DATs of 6,000 entries\n", n
    printf "rhash --crc32 --md5 --sha1:   %7.1f ms\n", r / 1000
    printf "kestrom-cli verify, known:    %7.1f ms   ratio %.2f (goal <= 0.3)\n", k / 1000, k / r
    printf "kestrom-cli verify, unknown:  %7.1f ms   ratio %.2f (goal <= 0.15)\n", u / 1000, u / r
}'
