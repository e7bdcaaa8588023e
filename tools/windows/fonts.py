#!/usr/bin/python3
"""The fonts the Windows tests see under the offscreen platform, which on Windows reads one
font folder instead of the system's fonts: Wine's Tahoma, and Carlito named Trebuchet MS, the
same stand-in Wine's own font replacements give the real window."""
import shutil
import sys
from pathlib import Path

from fontTools.ttLib import TTFont

out = Path(sys.argv[1])
out.mkdir(parents=True, exist_ok=True)
for name in ("tahoma.ttf", "tahomabd.ttf"):
    shutil.copy(Path("/usr/share/wine/fonts") / name, out / name)
for style in ("Regular", "Bold", "Italic", "BoldItalic"):
    font = TTFont(f"/usr/share/fonts/truetype/crosextra/Carlito-{style}.ttf")
    for record in font["name"].names:
        if record.nameID in (1, 3, 4, 6, 16):
            text = record.toUnicode().replace("Carlito", "Trebuchet MS")
            if record.nameID == 6:
                text = text.replace(" ", "")
            record.string = text
    font.save(out / f"trebuchet-ms-{style.lower()}.ttf")
