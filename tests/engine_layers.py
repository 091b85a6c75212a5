#!/usr/bin/python3
"""The engine's libraries depend one way: a file may include headers of its
own library and of those named before it in engine/CMakeLists.txt, never of
one named after it. Also every engine file is in exactly one library.

usage: engine_layers.py SOURCE_DIR"""
import os
import re
import sys

engine = os.path.join(sys.argv[1], 'engine')
cmake = open(os.path.join(engine, 'CMakeLists.txt'), encoding='utf-8').read()
parts = re.findall(r'spanwright_engine_part\((\w+)\s+([^)]*)\)', cmake)
rank, library = {}, {}
for index, (name, files) in enumerate(parts):
    for path in files.split():
        if path in rank:
            sys.exit(f'{path} is in two libraries')
        rank[path], library[path] = index, name

faults = []
for folder, _, names in os.walk(engine):
    for name in names:
        path = os.path.relpath(os.path.join(folder, name), engine)
        if name == 'CMakeLists.txt':
            continue
        if path not in rank:
            faults.append(f'{path} is in no library')
            continue
        text = open(os.path.join(engine, path), encoding='utf-8').read()
        for included in re.findall(r'^\s*#\s*include\s+"([^"]+)"', text, re.M):
            if included in rank and rank[included] > rank[path]:
                faults.append(f'{path} ({library[path]}) includes {included} ({library[included]})')
print('\n'.join(faults) if faults else f'{len(rank)} files in {len(parts)} libraries, each including only its own and earlier ones')
sys.exit(1 if faults else 0)
