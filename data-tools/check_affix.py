#!/usr/bin/env python3
# Lexiparc data tools - GPL-3.0-or-later
"""Checks the affix expander against Hunspell itself: every generated form
that reaches the dictionary list (lower case, folding to 2-15 letters) is
in a sample given to `hunspell -l`, which prints the words it rejects; a
rejected form is a fault of the expander.

Uses the `hunspell` on PATH, or else (or when LEXIPARC_HUNSPELL_FROM_CACHE
is set) unpacks Debian's hunspell and
libhunspell into the data cache (no installation).
  python3 data-tools/check_affix.py [--every N]   (N = 1 checks all forms)
"""

import argparse
import os
import shutil
import subprocess
import sys
from pathlib import Path

HERE = Path(__file__).resolve().parent
sys.path.insert(0, str(HERE))

import affix      # noqa: E402
import sources    # noqa: E402
from textutil import dico_form  # noqa: E402

HUNSPELL_PACKAGES = ["hunspell", "libhunspell-1.7-0"]


def hunspell_command():
    exe = shutil.which("hunspell")
    if exe and not os.environ.get("LEXIPARC_HUNSPELL_FROM_CACHE"):
        return [exe], dict(os.environ)
    root = sources.cache_dir() / "hunspell-tool"
    debs = root / "debs"
    debs.mkdir(parents=True, exist_ok=True)
    if not list(debs.glob("*.deb")):
        subprocess.run(["apt-get", "download"] + HUNSPELL_PACKAGES, cwd=debs, check=True)
    tree = root / "tree"
    if not (tree / "usr" / "bin" / "hunspell").exists():
        for deb in debs.glob("*.deb"):
            subprocess.run(["dpkg-deb", "-x", str(deb), str(tree)], check=True)
    env = dict(os.environ)
    libs = [str(p.parent) for p in tree.rglob("libhunspell*.so*")]
    env["LD_LIBRARY_PATH"] = ":".join(sorted(set(libs)) + [env.get("LD_LIBRARY_PATH", "")])
    return [str(tree / "usr" / "bin" / "hunspell")], env


def main():
    ap = argparse.ArgumentParser(description="check the affix expander with hunspell")
    ap.add_argument("--every", type=int, default=20,
                    help="check one form in N, plus every form of up to 4 letters")
    args = ap.parse_args()
    paths = sources.paths(sources.fetch())
    aff = affix.AffixFile(paths["aff"])
    forms = set()
    for root in affix.read_dic(aff, paths["dic"]):
        for form in aff.expand(root):
            if dico_form(form.text):
                forms.add(form.text)
    ordered = sorted(forms)
    sample = [f for i, f in enumerate(ordered) if i % args.every == 0 or len(f) <= 4]
    cmd, env = hunspell_command()
    dic_base = str(paths["aff"])[:-4]
    run = subprocess.run(cmd + ["-d", dic_base, "-i", "utf-8", "-l"],
                         input="\n".join(sample) + "\n", capture_output=True,
                         text=True, env=env, check=True)
    rejected = [w for w in run.stdout.split("\n") if w]
    print("%d forms generated for the list, %d checked, %d rejected by hunspell"
          % (len(ordered), len(sample), len(rejected)))
    for w in rejected[:50]:
        print("REJECTED:", w)
    return 1 if rejected else 0


if __name__ == "__main__":
    sys.exit(main())
