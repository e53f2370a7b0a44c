#!/usr/bin/env bash
# Makes the record sheet's fonts in src/paint/fonts from the system's DejaVu Sans: the Latin
# letters, digits and punctuation only, without hinting (a page of vectors never uses it) and
# renamed "Tarnwell Sans", as the font's licence asks of a changed font. A PDF embeds the
# glyphs it uses; a small font without hinting programs makes that quick.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh fonts-dejavu-core python3-fonttools
PYTHONPATH=/usr/lib/python3/dist-packages /usr/bin/python3 - <<'PY'
from fontTools import subset
from fontTools.ttLib import TTFont
for source, style in (("DejaVuSans", "Regular"), ("DejaVuSans-Bold", "Bold")):
    options = subset.Options()
    options.hinting = False
    options.layout_features = ["kern"]
    options.drop_tables += ["FFTM"]
    font = TTFont(f"/usr/share/fonts/truetype/dejavu/{source}.ttf")
    subsetter = subset.Subsetter(options)
    subsetter.populate(unicodes=list(range(0x20, 0x7F)) + list(range(0xA0, 0x180)) + list(range(0x2010, 0x2027))
                       + [0x2030, 0x20AC, 0x2122, 0x2212])
    subsetter.subset(font)
    family = "Tarnwell Sans"
    for record in font["name"].names:
        if record.nameID in (1, 16):
            record.string = family
        elif record.nameID == 4:
            record.string = family if style == "Regular" else f"{family} {style}"
        elif record.nameID in (3, 6):
            record.string = f"TarnwellSans-{style}"
    name = "TarnwellSans.ttf" if style == "Regular" else "TarnwellSans-Bold.ttf"
    font.save(f"src/paint/fonts/{name}")
PY
