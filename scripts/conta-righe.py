#!/usr/bin/env python3
"""Code lines of the product (src/, tools/) and of the tests (tests/, fuzz
harnesses included, corpora excluded), C++ sources and headers only, blank
lines and lines holding only a comment not counted; and their ratio."""
import pathlib
import sys

radice = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else ".")


def righe(cartelle):
    totale = 0
    for cartella in cartelle:
        for file in (radice / cartella).rglob("*"):
            if file.suffix not in (".cpp", ".h") or "corpus" in file.parts:
                continue
            commento = False
            for riga in file.read_text(encoding="utf-8").splitlines():
                testo = riga.strip()
                if commento:
                    if "*/" in testo:
                        commento = False
                    continue
                if not testo or testo.startswith("//"):
                    continue
                if testo.startswith("/*"):
                    commento = "*/" not in testo
                    continue
                totale += 1
    return totale


prodotto = righe(["src", "tools"])
prove = righe(["tests"])
print(f"prodotto (src/, tools/): {prodotto}")
print(f"prove (tests/):          {prove}")
print(f"rapporto:                {100 * prove / prodotto:.1f}%")
