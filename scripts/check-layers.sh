#!/usr/bin/env bash
# Refuses an include against the grain of the layers under src/:
#   platform → common → data → tools/<tool>, about → app
# A file may include its own folder and the layers to its left; a tool or the about box does
# not include another tool. CTest runs it as the test "layers"; it prints each offending line.
set -euo pipefail
cd "${1:-$(dirname "$0")/../src}"

{
  find . -type f \( -name '*.h' -o -name '*.cpp' \) | sed 's|^\./||; s|^|F |'
  grep -rnE --include='*.h' --include='*.cpp' '^[[:space:]]*#[[:space:]]*include[[:space:]]*"' . |
    sed -E 's|^\./||; s|^([^:]+):([0-9]+):[[:space:]]*#[[:space:]]*include[[:space:]]*"([^"]+)".*|I \1 \2 \3|'
} | awk '
  # The rank of a path'"'"'s layer, and its room within the layer (tools/<tool>, about).
  function place(p,   parts) {
    split(p, parts, "/")
    if (parts[1] == "platform") { rang = 0; piece = "platform" }
    else if (parts[1] == "common") { rang = 1; piece = "common" }
    else if (parts[1] == "data") { rang = 2; piece = "data" }
    else if (parts[1] == "tools") { rang = 3; piece = "tools/" parts[2] }
    else if (parts[1] == "about") { rang = 3; piece = "about" }
    else if (parts[1] == "app") { rang = 4; piece = "app" }
    else { rang = -1; piece = parts[1] }
  }
  # A path with its "." and ".." folded.
  function plie(p,   n, parts, out, k, i) {
    n = split(p, parts, "/"); k = 0
    for (i = 1; i <= n; i++) {
      if (parts[i] == "." || parts[i] == "") continue
      if (parts[i] == ".." && k > 0) { k--; continue }
      out[++k] = parts[i]
    }
    p = ""
    for (i = 1; i <= k; i++) p = p (i > 1 ? "/" : "") out[i]
    return p
  }
  $1 == "F" { existe[$2] = 1; next }
  $1 == "I" {
    fichier = $2; ligne = $3; inclus = $4
    dossier = fichier; sub(/\/[^\/]*$/, "", dossier)
    # Resolved as the compiler does: beside the file first, then from src/.
    cible = plie(dossier "/" inclus)
    if (!(cible in existe)) cible = plie(inclus)
    if (!(cible in existe)) next  # not one of ours (generated, or from the build folder)
    place(fichier); rangF = rang; pieceF = piece
    place(cible)
    if (rangF < 0 || rang < 0 || rang > rangF || (rang == rangF && piece != pieceF)) {
      printf "%s:%s: %s includes \"%s\" (%s)\n", fichier, ligne, pieceF, inclus, piece
      fautes++
    }
  }
  END {
    if (fautes > 0) { printf "%d include(s) against the layers\n", fautes; exit 1 }
  }'
