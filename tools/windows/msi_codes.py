#!/usr/bin/env python3
"""The MSI's codes and dates, repeatable, within what Windows Installer asks of them.

  msi_codes.py product UPGRADE_CODE VERSION
      The ProductCode: named by the UpgradeCode and the version, so that a rebuild of a version
      is the same product (installing it twice leaves one entry) and every version a new one
      (which a major upgrade needs).
  msi_codes.py package MSI EPOCH
      Writes the summary information's dates (EPOCH, seconds since 1970) and a PackageCode named
      by the whole package as built with a placeholder code, so that any change of content, of
      the .wxs or of wixl gives a new one; prints it.
"""
import hashlib
import sys
import uuid

PLACEHOLDER = "{00000000-0000-0000-0000-000000000000}"
# Seconds between 1601-01-01, where FILETIME starts, and 1970-01-01.
FILETIME_EPOCH = 11644473600


def fail(message):
    print(f"msi_codes.py: {message}", file=sys.stderr)
    sys.exit(1)


def code(namespace, name):
    return "{" + str(uuid.uuid5(uuid.UUID(namespace), name)).upper() + "}"


def summary(path, uuid_string=None, filetime=None):
    import gi
    gi.require_version("Libmsi", "1.0")
    from gi.repository import Libmsi
    flags = Libmsi.DbFlags.READONLY if uuid_string is None else Libmsi.DbFlags.TRANSACT
    db = Libmsi.Database.new(path, flags, None)
    info = Libmsi.SummaryInfo.new(db, 20)
    if uuid_string is not None:
        info.set_string(Libmsi.Property.UUID, uuid_string)
        info.set_filetime(Libmsi.Property.CREATED_TM, filetime)
        info.set_filetime(Libmsi.Property.LASTSAVED_TM, filetime)
        info.persist()
        db.commit()
        return None
    return (info.get_string(Libmsi.Property.UUID), info.get_filetime(Libmsi.Property.CREATED_TM),
            info.get_filetime(Libmsi.Property.LASTSAVED_TM), info.get_string(Libmsi.Property.TEMPLATE))


def package(path, epoch):
    filetime = (epoch + FILETIME_EPOCH) * 10_000_000
    template = summary(path)[3]
    summary(path, PLACEHOLDER, filetime)
    with open(path, "rb") as f:
        digest = hashlib.sha256(f.read()).hexdigest()
    package_code = code(str(uuid.NAMESPACE_URL), "french-test-msi-package:" + digest)
    summary(path, package_code, filetime)
    # Read back: the code and dates as written, and the 64-bit template kept.
    written = summary(path)
    if written != (package_code, filetime, filetime, template) or template != "x64;1033":
        fail(f"{path}: the summary information reads {written}, not "
             f"{(package_code, filetime, filetime, 'x64;1033')}")
    return package_code


def main(argv):
    if len(argv) == 4 and argv[1] == "product":
        print(code(argv[2], argv[3]))
    elif len(argv) == 4 and argv[1] == "package":
        print(package(argv[2], int(argv[3])))
    else:
        fail("usage: msi_codes.py product UPGRADE_CODE VERSION | package MSI EPOCH")


if __name__ == "__main__":
    main(sys.argv)
