#!/usr/bin/env python3
"""Rewrites a ZIP archive reproducibly: the same files give the same bytes.

Entries are written in name order, each with the one given time, no owner, permission or extra time fields,
Windows (DOS) attributes and the same compression; the contents are unchanged.

Usage: normalize_zip.py ARCHIVE EPOCH_SECONDS
"""

import os
import sys
import time
import zipfile

DOS_DIRECTORY = 0x10
DOS_ARCHIVE = 0x20
MADE_ON_DOS = 0


def main(argv):
    if len(argv) != 3:
        sys.exit(__doc__)
    archive, epoch = argv[1], int(argv[2])
    # A ZIP time is a local date from 1980 on, with even seconds.
    stamp = time.gmtime(max(epoch, 315532800))
    date_time = stamp[:5] + (stamp.tm_sec - stamp.tm_sec % 2,)
    with zipfile.ZipFile(archive) as source:
        entries = [(info.filename, info.is_dir(), b"" if info.is_dir() else source.read(info))
                   for info in source.infolist()]
    entries.sort(key=lambda entry: entry[0])
    scratch = archive + ".tmp"
    with zipfile.ZipFile(scratch, "w") as target:
        for name, is_dir, data in entries:
            info = zipfile.ZipInfo(name, date_time)
            info.create_system = MADE_ON_DOS
            info.external_attr = DOS_DIRECTORY if is_dir else DOS_ARCHIVE
            info.compress_type = zipfile.ZIP_STORED if is_dir else zipfile.ZIP_DEFLATED
            target.writestr(info, data, compresslevel=9)
    os.replace(scratch, archive)


if __name__ == "__main__":
    main(sys.argv)
