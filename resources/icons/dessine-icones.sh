#!/bin/sh
# Draws the tool-bar icons (32 x 32) and the loading screen's tick (16 x 16) with ImageMagick.
# The PNG files are committed; run this only to redraw them.
set -e
cd "$(dirname "$0")"
F=DejaVu-Sans-Bold
C="convert -size 32x32 xc:none"
S="-define png:exclude-chunks=date,time -strip"

# Crossword: a 4 x 4 grid with black squares and two letters.
$C -fill white -stroke '#1d3557' -strokewidth 1 -draw 'rectangle 2,2 29,29' \
   -draw 'line 9,2 9,29' -draw 'line 16,2 16,29' -draw 'line 23,2 23,29' \
   -draw 'line 2,9 29,9' -draw 'line 2,16 29,16' -draw 'line 2,23 29,23' \
   -fill '#1d3557' -draw 'rectangle 16,2 23,9' -draw 'rectangle 2,16 9,23' -draw 'rectangle 23,23 29,29' \
   -stroke none -font $F -pointsize 7 -fill '#c1121f' -annotate +4+8 'A' -annotate +11+15 'B' $S motscroises.png

# Near spellings: two words and "approximately equal".
$C -font $F -pointsize 10 -fill '#1d3557' -annotate +2+12 'abc' -fill '#c1121f' -pointsize 12 -annotate +10+19 '~' -annotate +10+23 '~' -pointsize 10 \
   -fill '#1d3557' -annotate +2+31 'abd' $S approchants.png

# Anagrams: three letter tiles and an arrow that swaps them.
$C -fill '#f1d9a7' -stroke '#8a5a2b' -strokewidth 1 \
   -draw 'roundrectangle 1,14 10,27 2,2' -draw 'roundrectangle 11,14 20,27 2,2' -draw 'roundrectangle 21,14 30,27 2,2' \
   -stroke none -fill '#3b2a1a' -font $F -pointsize 9 -annotate +3+24 'N' -annotate +13+24 'I' -annotate +23+24 'C' \
   -fill none -stroke '#c1121f' -strokewidth 2 -draw 'arc 5,2 26,16 180,360' \
   -fill '#c1121f' -stroke none -draw 'polygon 23,8 29,9 26,14' $S anagrammes.png

# Dictionary: a closed book with a bookmark.
$C -fill '#2c5f8a' -stroke '#173752' -strokewidth 1 -draw 'roundrectangle 6,2 27,29 2,2' \
   -fill '#f4f1e8' -stroke none -draw 'rectangle 8,26 26,28' \
   -fill '#fbf6e9' -font $F -pointsize 12 -annotate +11+18 'D' \
   -fill '#c1121f' -draw 'polygon 21,2 25,2 25,12 23,10 21,12' $S dictionnaire.png

# Synonyms: two speech bubbles and an equals sign.
$C -fill '#8ecae6' -stroke '#1d3557' -strokewidth 1 -draw 'roundrectangle 1,2 20,15 4,4' -draw 'polygon 5,15 9,15 4,20' \
   -fill '#ffb703' -draw 'roundrectangle 11,14 30,27 4,4' -draw 'polygon 22,27 26,27 27,31' \
   -stroke none -fill '#1d3557' -font $F -pointsize 9 -annotate +7+12 '=' -annotate +17+24 '=' $S synonymes.png

# Scrabble: a letter tile with its value.
$C -fill '#f1d9a7' -stroke '#8a5a2b' -strokewidth 2 -draw 'roundrectangle 3,3 28,28 4,4' \
   -stroke none -fill '#3b2a1a' -font $F -pointsize 18 -annotate +8+24 'S' -pointsize 7 -annotate +21+26 '1' $S scrabble.png

# Postal codes: an envelope with a number.
$C -fill white -stroke '#1d3557' -strokewidth 1 -draw 'rectangle 2,7 29,26' \
   -fill none -draw 'polyline 2,7 16,18 29,7' \
   -stroke none -fill '#c1121f' -font $F -pointsize 9 -annotate +9+25 '75' $S codespostaux.png

# Options: a gear wheel.
$C -fill '#6c757d' -stroke '#343a40' -strokewidth 1 \
   -draw 'polygon 14,1 18,1 19,6 23,8 27,5 29,8 26,12 28,16 31,17 31,21 27,21 25,25 27,29 24,31 20,27 16,29 15,31 11,31 11,27 7,25 3,28 1,25 5,21 3,17 1,16 1,12 5,12 7,8 4,4 7,2 11,6 13,6' \
   -fill '#f8f9fa' -draw 'circle 16,16 16,11' $S options.png

# About: an "i" in a blue disc.
$C -fill '#2c5f8a' -stroke '#173752' -strokewidth 1 -draw 'circle 16,16 16,2' \
   -stroke none -fill white -draw 'circle 16,9 16,6.5' -draw 'roundrectangle 13,13 19,25 1,1' $S apropos.png

# Quit: a door with an arrow leaving it.
$C -fill '#8a5a2b' -stroke '#3b2a1a' -strokewidth 1 -draw 'rectangle 4,3 18,29' \
   -fill '#f1d9a7' -stroke none -draw 'circle 15,17 15,16' \
   -fill '#c1121f' -draw 'rectangle 16,14 24,19' -draw 'polygon 24,10 31,16.5 24,23' $S quitter.png

# The tick of a loaded data set.
convert -size 16x16 xc:none -fill none -stroke '#2a9d3f' -strokewidth 3 -draw 'polyline 2,8 6,13 14,3' $S coche.png
