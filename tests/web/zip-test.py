#!/usr/bin/python3
"""The page's zip as a second builder makes it: the folder removed and built again under umask
077, with a note and a hidden folder left in it, gives the same zip byte for byte, with the
page's files alone, each with the mode a web server reads.
    zip-test.py CMAKE BUILD_DIR ZIP
"""
import os
import shutil
import subprocess
import sys
import zipfile

PAGE_FILES = ["COPYRIGHT", "LICENSE", "engine-source.js", "faktorlupe.css", "form.js",
              "index.html", "layout.js", "page.js"]


def main():
    cmake, build, archive = sys.argv[1:4]
    with open(archive, "rb") as packed:
        first = packed.read()
    folder = os.path.join(build, "faktorlupe-web")
    shutil.rmtree(folder)
    os.remove(archive)
    os.umask(0o077)
    os.makedirs(os.path.join(folder, ".git-junk"))
    for stray in ["alte-notiz.txt", ".git-junk/HEAD"]:
        with open(os.path.join(folder, stray), "w") as note:
            note.write("nicht für die Seite\n")
    subprocess.run([cmake, "--build", build, "--target", "faktorlupe-web"], check=True,
                   stdout=subprocess.DEVNULL)
    shutil.rmtree(os.path.join(folder, ".git-junk"))
    os.remove(os.path.join(folder, "alte-notiz.txt"))
    with open(archive, "rb") as packed:
        same = packed.read() == first
    with zipfile.ZipFile(archive) as packed:
        modes = {info.filename: info.external_attr >> 16 for info in packed.infolist()}
    expected = {"faktorlupe-web/": 0o040755}
    expected.update({"faktorlupe-web/" + name: 0o100644 for name in PAGE_FILES})
    print("same bytes:", same)
    print("entries:", {name: oct(mode) for name, mode in modes.items()})
    return 0 if same and modes == expected else 1


if __name__ == "__main__":
    sys.exit(main())
