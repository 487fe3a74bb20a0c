#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# bench/make_corpus.sh [OUTDIR] [WORKDIR]
#
# Makes the benchmark corpus: 60 camera-like JPEG photos made from real photographs
# that Debian 12 ships in wallpaper packages (downloaded with apt-get download and
# unpacked, never installed), plus nine ImageMagick plasma fractals:
#
#   L01..L40  4000 x 3000 landscape (31 photographs, 9 plasma fractals)
#   M01..M10  3008 x 2000 landscape (photographs, mirrored)
#   P01..P10  3000 x 4000 portrait  (2 upright photographs, 8 turned a quarter)
#
# Each source is scaled to cover the size (ImageMagick's "^" resize), cut to it around
# the centre, given seeded Gaussian grain so that upscaled wallpapers carry camera-like
# noise, stripped of metadata and written as a baseline JPEG at quality 92 with 4:2:0
# chroma and the standard Huffman tables. A file that would reach 5,000,000 bytes (the
# size Snapwane refuses) is written again 2 quality steps lower until it fits.
# The same ImageMagick build gives the same bytes: every noise seed is fixed.
#
# OUTDIR (default $TMPDIR/snapwane-corpus) receives the photos, MANIFEST.tsv (size,
# bytes, quality, licence and source of each), PACKAGES.txt and SHA256SUMS.
# Never commit the photos.
set -euo pipefail

out=${1:-${TMPDIR:-/tmp}/snapwane-corpus}
work=${2:-${TMPDIR:-/tmp}/snapwane-corpus-src}
convert=/usr/bin/convert
identify=/usr/bin/identify
grain=0.25
start_quality=92
size_limit=5000000

# One photo: make_corpus.sh --photo OUTFILE SOURCE GEOMETRY TURN MIRROR SEED
# SOURCE "plasma" makes a fractal instead of reading a file.
if [[ ${1:-} == --photo ]]; then
  file=$2 source=$3 geometry=$4 turn=$5 mirror=$6 seed=$7
  quality=$start_quality
  while true; do
    if [[ $source == plasma ]]; then
      input=(-seed "$seed" -size "$geometry" plasma:fractal -blur 0x2)
    else
      input=("${source}[0]" -auto-orient -colorspace sRGB)
      [[ $turn != 0 ]] && input+=(-rotate "$turn")
      [[ $mirror == 1 ]] && input+=(-flop)
      input+=(-resize "${geometry}^" -gravity center -extent "$geometry")
    fi
    "$convert" -quiet "${input[@]}" -seed "$seed" -attenuate "$grain" +noise Gaussian -strip \
      -interlace none -sampling-factor 2x2,1x1,1x1 -define jpeg:optimize-coding=false \
      -quality "$quality" "$file"
    (( $(stat -c %s "$file") < size_limit || quality <= 70 )) && break
    quality=$((quality - 2))
  done
  echo "$quality" > "$file.quality"
  exit 0
fi

if ! "$convert" -version 2>/dev/null | grep -q ImageMagick; then
  sudo=""; [[ $(id -u) == 0 ]] || sudo=sudo
  $sudo apt-get install -y -qq imagemagick >/dev/null ||
    { $sudo apt-get update -qq && $sudo apt-get install -y -qq imagemagick >/dev/null; }
fi

# ---- the photographs ------------------------------------------------------------
packages=(lomiri-wallpapers-16.04 lomiri-wallpapers-20.04 mate-backgrounds plasma-workspace-wallpapers)
mkdir -p "$work/debs" "$work/x"
: > "$work/versions.txt"
for package in "${packages[@]}"; do
  if ! compgen -G "$work/debs/${package}_*.deb" >/dev/null; then
    (cd "$work/debs" && { apt-get download "$package" >/dev/null 2>&1 ||
      { apt-get update >/dev/null && apt-get download "$package" >/dev/null; }; })
  fi
  debs=("$work/debs/${package}"_*.deb); deb=${debs[0]}
  [[ -d $work/x/$package ]] || dpkg-deb -x "$deb" "$work/x/$package"
  echo "$package $(dpkg-deb -f "$deb" Version)" >> "$work/versions.txt"
done

lomiri16=$work/x/lomiri-wallpapers-16.04/usr/share/backgrounds
lomiri20=$work/x/lomiri-wallpapers-20.04/usr/share/backgrounds
mate=$work/x/mate-backgrounds/usr/share/backgrounds/mate/nature
plasma=$work/x/plasma-workspace-wallpapers/usr/share/wallpapers

declare -A path licence
while read -r key file lic; do
  [[ -n $key ]] || continue
  [[ -f $file ]] || { echo "make_corpus: missing $file" >&2; exit 1; }
  path[$key]=$file; licence[$key]=$lic
done <<EOF_SOURCES
bridge       $lomiri16/Bridge_by_Sander_Klootwijk.jpg             CC-BY-SA-4.0
dragonfly    $lomiri16/Dragonfly_by_Bolly.jpg                     CC-BY-SA-4.0
fig          $lomiri16/Picture_0B_by_freespace.jpg                CC-BY-4.0
aitzgorri    $lomiri16/aitzgorri_by_Aitzol_Berasategi.jpg         CC-BY-4.0
analog       $lomiri16/analogpattern_by_Peter_Nerlich.jpg         CC-BY-SA-4.0
free         $lomiri16/free_by_Peter_Nerlich.jpg                  CC-BY-SA-4.0
greentock    $lomiri16/greentock_by_Peter_Nerlich.jpg             CC-BY-SA-4.0
life         $lomiri16/life_by_Aitzol_Berasategi.jpg              CC-BY-4.0
picos        $lomiri16/picosdeeuropa_by_Aitzol_Berasategi.jpg     CC-BY-4.0
seeding      $lomiri16/seeding_by_Clements_Engelhardt.jpg         CC0-1.0
sunset       $lomiri16/sunset_by_Aitzol_Berasategi.jpg            CC-BY-4.0
kleiber      $lomiri20/Kleiber_by_Lukas_Baubkus.jpg               CC-BY-SA-3.0
blinds       $mate/Blinds.jpg                                     GPL-2+
dune         $mate/Dune.jpg                                       GPL-2+
garden       $mate/Garden.jpg                                     GPL-2+
ladybird     $mate/LadyBird.jpg                                   GPL-2+
raindrops    $mate/RainDrops.jpg                                  GPL-2+
storm        $mate/Storm.jpg                                      GPL-2+
twowings     $mate/TwoWings.jpg                                   GPL-2+
wood         $mate/Wood.jpg                                       GPL-2+
yellowflower $mate/YellowFlower.jpg                               GPL-2+
bythewater   $plasma/BytheWater/contents/images/2560x1600.jpg     GPL-2+
coldripple   $plasma/ColdRipple/contents/images/2560x1600.jpg     GPL-2+
cups         $plasma/ColorfulCups/contents/images/2560x1600.jpg   GPL-2+
darkesthour  $plasma/DarkestHour/contents/images/2560x1600.jpg    GPL-2+
eveningglow  $plasma/EveningGlow/contents/images/2560x1600.jpg    GPL-2+
fallenleaf   $plasma/FallenLeaf/contents/images/2560x1600.jpg     GPL-2+
grey         $plasma/Grey/contents/images/2560x1600.jpg           GPL-2+
onestandsout $plasma/OneStandsOut/contents/images/2560x1600.jpg   GPL-2+
path         $plasma/Path/contents/images/2560x1600.jpg           GPL-2+
summer       $plasma/summer_1am/contents/images/2560x1600.jpg     GPL-2+
wine         $lomiri16/Wine_by_Jakkub_Mede.jpg                    CC-BY-4.0
friends      $lomiri16/friends_by_Aitzol_Berasategi.jpg           CC-BY-4.0
EOF_SOURCES

# ---- the job list: the seed counts up from 101 in this exact order ------------------
mkdir -p "$out"
rm -f "$out"/*.jpg "$out"/*.quality "$out/MANIFEST.tsv"
jobs=$work/jobs.txt; notes=$work/notes.txt
: > "$jobs"; : > "$notes"
seed=100
add() { # NAME KEY|plasma GEOMETRY TURN MIRROR NOTE
  seed=$((seed + 1))
  local source=plasma lic=generated note="ImageMagick plasma:fractal seed $seed"
  if [[ $2 != plasma ]]; then
    source=${path[$2]}; lic=${licence[$2]}; note="${source#"$work"/x/}$6"
  fi
  echo "$out/$1.jpg $source $3 $4 $5 $seed" >> "$jobs"
  printf '%s.jpg\t%s\t%s\n' "$1" "$lic" "$note" >> "$notes"
}
n=0
for key in bridge dragonfly fig aitzgorri analog free greentock life picos seeding sunset kleiber \
           blinds dune garden ladybird raindrops storm twowings wood yellowflower \
           bythewater coldripple cups darkesthour eveningglow fallenleaf grey onestandsout path summer; do
  n=$((n + 1)); add "$(printf 'L%02d_%s' "$n" "$key")" "$key" 4000x3000 0 0 ""
done
for k in 1 2 3 4 5 6 7 8 9; do
  n=$((n + 1)); add "$(printf 'L%02d_plasma%d' "$n" "$k")" plasma 4000x3000 0 0 ""
done
n=0
for key in bridge seeding sunset kleiber picos aitzgorri life dragonfly eveningglow path; do
  n=$((n + 1)); add "$(printf 'M%02d_%s' "$n" "$key")" "$key" 3008x2000 0 1 " (mirrored)"
done
n=0
for key in wine friends; do
  n=$((n + 1)); add "$(printf 'P%02d_%s' "$n" "$key")" "$key" 3000x4000 0 0 ""
done
for key in analog free greentock fallenleaf onestandsout twowings garden coldripple; do
  n=$((n + 1)); add "$(printf 'P%02d_%s' "$n" "$key")" "$key" 3000x4000 90 0 " (turned 90)"
done

# Two at a time (a 2-core machine; each convert also uses OpenMP).
xargs -P 2 -L 1 "$0" --photo < "$jobs"

# ---- manifest and checksums ---------------------------------------------------------
{
  printf 'file\tsize\tbytes\tquality\tlicense\tsource\n'
  while IFS=$'\t' read -r file lic note; do
    quality=$(cat "$out/$file.quality"); rm -f "$out/$file.quality"
    printf '%s\t%s\t%s\t%s\t%s\t%s\n' "$file" "$("$identify" -ping -format '%wx%h' "$out/$file")" \
      "$(stat -c %s "$out/$file")" "$quality" "$lic" "$note"
  done < "$notes"
} > "$out/MANIFEST.tsv"
{ cat "$work/versions.txt"; echo "ImageMagick: $("$convert" -version | head -1)"; } > "$out/PACKAGES.txt"
(cd "$out" && sha256sum -- *.jpg > SHA256SUMS)
awk -F'\t' 'NR > 1 { count[$2]++; bytes[$2] += $3; total += $3; files++ }
  END { for (s in count) printf "%-10s %3d files, mean %9.0f bytes\n", s, count[s], bytes[s] / count[s];
        printf "total      %3d files, %d bytes\n", files, total }' "$out/MANIFEST.tsv"
