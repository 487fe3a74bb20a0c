#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# fuzz/make_seeds.sh OUTDIR
#
# Makes the fuzz target's seed photos: one of each kind of JPEG file the program
# meets (baseline, progressive, arithmetic coding, grey, RGB, CMYK, 4:2:0, 4:2:2,
# 4:4:4, restart markers, optimised tables, odd and tiny sizes, EXIF orientation
# tags), small enough that the target runs hundreds of them a second. Made with
# cjpeg and jpegtran (libjpeg-turbo-progs) and exiftool (libimage-exiftool-perl)
# from a pattern written by awk, so the same tools give the same seeds.
# Two seeds hold two photos each (see kNextPhoto in FuzzPhotoFile.cpp).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out=${1:?usage: make_seeds.sh OUTDIR}
mkdir -p "$out"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# A plain PPM (P3) or PGM (P2) of W x H with stripes, a gradient and grain.
pattern() { # pattern FILE W H [grey]
  awk -v w="$2" -v h="$3" -v grey="${4:-}" 'BEGIN {
    srand(w * 31 + h);
    printf("%s\n%d %d\n255\n", grey ? "P2" : "P3", w, h);
    for (y = 0; y < h; y++) {
      line = "";
      for (x = 0; x < w; x++) {
        g = int(rand() * 6);
        r = (x * 255 / w + g) % 256; gr = (y * 255 / h + g) % 256; b = ((x + y) % 32 < 16 ? 220 : 30);
        line = line (grey ? sprintf("%d ", (r + gr + b) / 3) : sprintf("%d %d %d ", r, gr, b));
      }
      print line;
    }
  }' > "$1"
}

pattern "$work/320x240.ppm" 320 240
pattern "$work/333x251.ppm" 333 251
pattern "$work/321x241.ppm" 321 241
pattern "$work/grey.pgm" 352 288 grey
pattern "$work/1x1.ppm" 1 1
pattern "$work/17x9.ppm" 17 9
pattern "$work/wide.ppm" 1203 17
pattern "$work/tall.ppm" 15 601

big=$work/320x240.ppm
cjpeg -quality 50 -sample 2x2 "$big" > "$out/baseline-420.jpg"
cjpeg -quality 50 -sample 2x1 "$big" > "$out/baseline-422.jpg"
cjpeg -quality 50 -sample 1x1 "$big" > "$out/baseline-444.jpg"
cjpeg -quality 50 -sample 1x2 "$big" > "$out/baseline-440.jpg"
cjpeg -quality 90 -optimize "$big" > "$out/optimized.jpg"
cjpeg -quality 50 -progressive "$big" > "$out/progressive.jpg"
cjpeg -quality 50 -arithmetic "$big" > "$out/arithmetic.jpg"
cjpeg -quality 50 -arithmetic -progressive "$big" > "$out/arithmetic-progressive.jpg"
cjpeg -quality 50 -restart 1 "$big" > "$out/restart-rows.jpg"
cjpeg -quality 50 -restart 5B -progressive "$big" > "$out/restart-blocks-progressive.jpg"
cjpeg -quality 50 -rgb "$big" > "$out/rgb.jpg"
cjpeg -quality 50 -grayscale "$work/grey.pgm" > "$out/grey.jpg"
cjpeg -quality 50 -grayscale -progressive "$work/grey.pgm" > "$out/grey-progressive.jpg"
cjpeg -quality 50 -sample 2x2 "$work/333x251.ppm" > "$out/odd-333x251.jpg"
cjpeg -quality 50 -sample 2x1 -progressive "$work/321x241.ppm" > "$out/odd-321x241-progressive.jpg"
cjpeg -quality 50 "$work/1x1.ppm" > "$out/tiny-1x1.jpg"
cjpeg -quality 50 -sample 1x1 "$work/17x9.ppm" > "$out/tiny-17x9.jpg"
cjpeg -quality 60 "$work/wide.ppm" > "$out/wide-1203x17.jpg"
cjpeg -quality 60 -progressive "$work/tall.ppm" > "$out/tall-15x601.jpg"
jpegtran -copy none -rotate 90 -trim "$out/baseline-422.jpg" > "$out/turned-422.jpg"
cp "$root/tests/data/cmyk.jpg" "$out/cmyk.jpg"
jpegtran -copy all -progressive "$root/tests/data/cmyk.jpg" > "$out/cmyk-progressive.jpg"

# Camera-like files: EXIF orientation tags, turned and mirrored.
for orientation in 3 5 6 8; do
  exiftool -q -o "$out/exif-orientation-$orientation.jpg" -n -Orientation="$orientation" \
    -Make=Camera -Model=Seed "$out/baseline-420.jpg"
done

# A photo cut inside its scan: the decoder fills the rest with grey.
head -c "$(( $(stat -c %s "$out/progressive.jpg") / 2 ))" "$out/progressive.jpg" > "$out/cut-progressive.jpg"

# Photos that lack their own tables: refused alone, so refused after any other
# photo too (a decoder must not lend them the previous photo's tables).
drop_segments() { # drop_segments MARKER: every such segment before the first scan, from stdin
  perl -0777 -ne 'my $m = chr(hex($ARGV_MARKER)); my $i = 2;
    while ($i + 4 <= length && substr($_, $i, 1) eq "\xff" && substr($_, $i + 1, 1) ne "\xda") {
      my $length = unpack("n", substr($_, $i + 2, 2));
      if (substr($_, $i + 1, 1) eq $m) { substr($_, $i, $length + 2) = "" } else { $i += $length + 2 }
    }
    print' -s -- -ARGV_MARKER="$1"
}
drop_segments db < "$out/baseline-420.jpg" > "$out/no-quantisation-tables.jpg"
drop_segments c4 < "$out/progressive.jpg" > "$out/progressive-no-huffman-tables.jpg"

# Two photos through one decoder: a good one, then one with its tables.
separator=$(printf '\xff\xd9NEXT-PHOTO')
{ cat "$out/grey.jpg"; printf '%s' "$separator"; cat "$out/odd-333x251.jpg"; } > "$out/two-photos.jpg"
{ cat "$out/arithmetic.jpg"; printf '%s' "$separator"; cat "$out/restart-rows.jpg"; } > "$out/two-photos-arithmetic.jpg"

ls "$out" | wc -l
