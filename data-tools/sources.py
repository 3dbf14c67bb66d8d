# Lexiparc data tools - GPL-3.0-or-later
"""Fetches the Debian packages that the word data is made from into a
cache outside the repository, unpacks them and reports their versions."""

import os
import subprocess
from pathlib import Path

# Package -> exact version the shipped data was built from.
PACKAGES = {
    "hunspell-fr-comprehensive": "1:7.0-1",
    "mythes-fr": "1:7.5.0-1",
    "stardict-xmlittre": "1:1.0-2",
}

FILES = {
    "aff": ("hunspell-fr-comprehensive", "usr/share/hunspell/fr.aff"),
    "dic": ("hunspell-fr-comprehensive", "usr/share/hunspell/fr.dic"),
    "thes": ("mythes-fr", "usr/share/mythes/thes_fr.dat"),
    "littre_idx": ("stardict-xmlittre", "usr/share/stardict/dic/XMLittre.idx"),
    "littre_dict": ("stardict-xmlittre", "usr/share/stardict/dic/XMLittre.dict.dz"),
}


def cache_dir():
    base = os.environ.get("XDG_CACHE_HOME") or os.path.join(os.path.expanduser("~"), ".cache")
    return Path(base) / "lexiparc-data"


def _deb_field(deb, name):
    return subprocess.run(["dpkg-deb", "-f", str(deb), name], check=True,
                          capture_output=True, text=True).stdout.strip()


def fetch(packages=PACKAGES, log=print):
    """Make sure every package is downloaded and unpacked; return
    {package: (version, unpack dir)}."""
    root = cache_dir()
    debs = root / "debs"
    debs.mkdir(parents=True, exist_ok=True)
    result = {}
    for name, version in packages.items():
        found = [d for d in debs.glob(name + "_*.deb") if _deb_field(d, "Version") == version]
        if not found:
            log("downloading %s=%s" % (name, version))
            subprocess.run(["apt-get", "download", "%s=%s" % (name, version)],
                           cwd=debs, check=True)
            found = [d for d in debs.glob(name + "_*.deb") if _deb_field(d, "Version") == version]
            if not found:
                raise RuntimeError("apt-get download gave no %s %s" % (name, version))
        deb = found[0]
        target = root / "unpacked" / ("%s_%s" % (name, version.replace(":", "%3a")))
        stamp = target / ".unpacked"
        if not stamp.exists():
            target.mkdir(parents=True, exist_ok=True)
            subprocess.run(["dpkg-deb", "-x", str(deb), str(target)], check=True)
            stamp.write_text(version + "\n")
        result[name] = (version, target)
    return result


def paths(fetched):
    return {key: fetched[pkg][1] / rel for key, (pkg, rel) in FILES.items()}
