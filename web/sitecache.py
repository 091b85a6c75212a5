#!/usr/bin/env python3
"""Writes the page's service worker from its template: the list of every
file of the built site (but the worker itself) and a version, a digest of
their contents, for its cache's name.

usage: sitecache.py SITE_FOLDER TEMPLATE OUTPUT"""
import hashlib
import json
import os
import sys

WORKER_NAME = "service-worker.js"
VERSION_DIGITS = 16


def site_files(folder):
    files = []
    for root, directories, names in os.walk(folder):
        directories.sort()
        for name in sorted(names):
            path = os.path.relpath(os.path.join(root, name), folder).replace(os.sep, "/")
            if path != WORKER_NAME:
                files.append(path)
    return files


def main():
    folder, template, output = sys.argv[1:4]
    files = site_files(folder)
    digest = hashlib.sha256()
    for path in files:
        digest.update(path.encode() + b"\0")
        with open(os.path.join(folder, path), "rb") as file:
            digest.update(file.read())
    with open(template, encoding="utf-8") as file:
        text = file.read()
    # "./" is the page itself, as a visitor asks for it.
    text = (text.replace("@SITE_VERSION@", digest.hexdigest()[:VERSION_DIGITS])
                .replace("@SITE_FILES@", json.dumps(["./", *files], indent=4)))
    with open(output, "w", encoding="utf-8") as file:
        file.write(text)


if __name__ == "__main__":
    main()
