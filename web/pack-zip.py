#!/usr/bin/python3
"""Packs the page's folder into its zip alike on every machine and from every build:
    pack-zip.py ZIP FOLDER DATE FILE...
Only the FILEs named go in (a note or a hidden folder someone left in FOLDER stays out), under
the folder's name; every file is 0644 and the folder 0755, whatever the builder's umask made of
them (under umask 077 a web server could not read index.html); every entry is dated DATE
(YYYY-MM-DD, the release day), or SOURCE_DATE_EPOCH where it is set. So the same source gives
the same zip byte for byte. The files in FOLDER get the same modes, for whoever copies the folder
itself.
"""
import datetime
import os
import sys
import zipfile

FILE_MODE = 0o644
FOLDER_MODE = 0o755


def entry_time(date):
    epoch = os.environ.get("SOURCE_DATE_EPOCH")
    if epoch:
        moment = datetime.datetime.fromtimestamp(int(epoch), datetime.timezone.utc)
    else:
        moment = datetime.datetime.strptime(date, "%Y-%m-%d")
    # A zip cannot date anything before 1980.
    return max(moment.timetuple()[:6], (1980, 1, 1, 0, 0, 0))


def entry(name, when, mode, folder=False):
    info = zipfile.ZipInfo(name, when)
    info.create_system = 3  # Unix, so that unzip applies the modes
    info.external_attr = ((0o040000 if folder else 0o100000) | mode) << 16
    if folder:
        info.external_attr |= 0x10  # the DOS folder flag
    else:
        info.compress_type = zipfile.ZIP_DEFLATED
    return info


def main():
    archive, folder, date = sys.argv[1:4]
    files = sorted(set(os.path.basename(path) for path in sys.argv[4:]))
    when = entry_time(date)
    root = os.path.basename(os.path.normpath(folder))
    partial = archive + ".neu"
    with zipfile.ZipFile(partial, "w") as out:
        out.writestr(entry(root + "/", when, FOLDER_MODE, folder=True), b"")
        for name in files:
            path = os.path.join(folder, name)
            with open(path, "rb") as source:
                out.writestr(entry(root + "/" + name, when, FILE_MODE), source.read(),
                             compresslevel=9)
            os.chmod(path, FILE_MODE)
    os.chmod(folder, FOLDER_MODE)
    os.chmod(partial, FILE_MODE)
    os.replace(partial, archive)
    return 0


if __name__ == "__main__":
    sys.exit(main())
