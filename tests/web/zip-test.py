#!/usr/bin/python3
"""The page's zip built again under umask 077, with a note and a hidden folder left in the
folder, is the same byte for byte and holds the page's files alone, 0644 in a 0755 folder.
    zip-test.py CMAKE BUILD_DIR ZIP"""
import os
import shutil
import subprocess
import sys
import zipfile

PAGE = ["COPYRIGHT", "LICENSE", "chart.js", "engine-source.js", "faktorlupe.css", "form.js",
        "index.html", "keyboard.js", "layout.js", "long-paste.js", "page.js", "running.js",
        "vergleich-engine-source.js", "vergleich.css", "vergleich.html", "vergleich.js"]
cmake, build, archive = sys.argv[1:4]
first = open(archive, "rb").read()
folder = os.path.join(build, "faktorlupe-web")
shutil.rmtree(folder)
os.umask(0o077)
os.makedirs(os.path.join(folder, ".git-junk"))
open(os.path.join(folder, "alte-notiz.txt"), "w").close()
os.remove(archive)
subprocess.run([cmake, "--build", build, "--target", "faktorlupe-web"], check=True)
shutil.rmtree(os.path.join(folder, ".git-junk"))
os.remove(os.path.join(folder, "alte-notiz.txt"))
modes = {i.filename: oct(i.external_attr >> 16) for i in zipfile.ZipFile(archive).infolist()}
expected = dict({"faktorlupe-web/": oct(0o40755)},
                **{"faktorlupe-web/" + name: oct(0o100644) for name in PAGE})
print("same bytes:", open(archive, "rb").read() == first, "entries:", modes)
sys.exit(0 if open(archive, "rb").read() == first and modes == expected else 1)
