#!/usr/bin/python3
"""The fonts the Windows tests and pictures see in place of Windows' Tahoma and Trebuchet MS:
Carlito under both names, the stand-in the Linux build uses. Wine's own Tahoma is Bitstream Vera
Sans renamed, a wider design than Windows' Tahoma, so it would judge the layout by widths no
Windows PC has. Tahoma gets only its upright faces, as on Windows, which slants them for italic.
Debian's Carlito maps no glyph to the no-break space, so Windows falls back to another font for
it and the passage's lines that hold one grow tall; here it gets the space's glyph.
The offscreen platform on Windows reads these from the one folder; the Wine prefix installs them."""
import logging
import sys
from pathlib import Path

from fontTools.ttLib import TTFont

# Carlito's creation date predates what fontTools expects; it says so once per file.
logging.getLogger("fontTools").setLevel(logging.ERROR)
out = Path(sys.argv[1])
out.mkdir(parents=True, exist_ok=True)
faces = {
    "Tahoma": {"Regular": "tahoma", "Bold": "tahomabd"},
    "Trebuchet MS": {"Regular": "trebuc", "Bold": "trebucbd", "Italic": "trebucit", "BoldItalic": "trebucbi"},
}
for family, files in faces.items():
    for style, file in files.items():
        font = TTFont(f"/usr/share/fonts/truetype/crosextra/Carlito-{style}.ttf")
        for record in font["name"].names:
            if record.nameID in (1, 3, 4, 6, 16):
                text = record.toUnicode().replace("Carlito", family)
                if record.nameID == 6:
                    text = text.replace(" ", "")
                record.string = text
        for table in font["cmap"].tables:
            if table.isUnicode() and 0x20 in table.cmap:
                table.cmap.setdefault(0xA0, table.cmap[0x20])
        font.save(out / f"{file}.ttf")
