#!/usr/bin/env python3
"""A zip whose bytes depend only on its files' contents and names: entries in the order given,
each dated SOURCE_DATE_EPOCH (in UTC), with fixed permissions and no extra fields.

  zip.py OUT.zip FOLDER_IN_ZIP NAME=PATH...
"""
import os
import sys
import time
import zipfile


def main():
    out, folder, items = sys.argv[1], sys.argv[2], sys.argv[3:]
    stamp = time.gmtime(int(os.environ.get("SOURCE_DATE_EPOCH", "315532800")))
    # Zip dates cannot go before 1980.
    date = max((stamp.tm_year, stamp.tm_mon, stamp.tm_mday, stamp.tm_hour, stamp.tm_min, stamp.tm_sec),
               (1980, 1, 1, 0, 0, 0))
    partial = out + ".part"
    with zipfile.ZipFile(partial, "w") as archive:
        for item in items:
            name, _, path = item.partition("=")
            info = zipfile.ZipInfo(f"{folder}/{name}" if folder else name, date_time=date)
            info.compress_type = zipfile.ZIP_DEFLATED
            info.create_system = 3
            mode = 0o755 if os.access(path, os.X_OK) and name.endswith(".sh") else 0o644
            info.external_attr = (0o100000 | mode) << 16
            with open(path, "rb") as handle:
                archive.writestr(info, handle.read(), compresslevel=9)
    os.replace(partial, out)


if __name__ == "__main__":
    main()
