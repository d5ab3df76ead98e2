#!/usr/bin/env python3
"""The windows' files call each other in one direction only: no circle of includes among the
files of window/, files/ and dialogs/ (a file's .h and .cpp taken as one), and no file there
defines a member of a class declared in another of those folders.
Usage: window_circles.py SOURCE_DIR; prints each circle and each stray member, fails on any."""
import os
import re
import sys

root = sys.argv[1]
folders = ('window', 'files', 'dialogs')
include = re.compile(r'^\s*#\s*include\s*"((?:%s)/[^"]+)\.h"' % '|'.join(folders), re.M)
declared = re.compile(r'^(?:class|struct)\s+(\w+)\b[^;{]*\{', re.M)
defined = re.compile(r'^[\w:<>,&*\s]*?\b(\w+)::~?\w+\s*\(', re.M)

modules = {}  # "window/frmmain" -> the texts of its files
for folder in folders:
    for name in sorted(os.listdir(os.path.join(root, folder))):
        stem, ext = os.path.splitext(name)
        if ext in ('.h', '.cpp'):
            with open(os.path.join(root, folder, name), encoding='utf-8') as f:
                modules.setdefault(folder + '/' + stem, []).append((folder + '/' + name, f.read()))

edges = {m: sorted({i for _, text in files for i in include.findall(text) if i != m and i in modules})
         for m, files in modules.items()}
problems = []

# Tarjan's strongly connected components: any with two or more modules is a circle.
index, low, on, stack, counter = {}, {}, set(), [], [0]
def visit(m):
    index[m] = low[m] = counter[0]
    counter[0] += 1
    stack.append(m)
    on.add(m)
    for n in edges[m]:
        if n not in index:
            visit(n)
            low[m] = min(low[m], low[n])
        elif n in on:
            low[m] = min(low[m], index[n])
    if low[m] == index[m]:
        part = []
        while True:
            n = stack.pop()
            on.discard(n)
            part.append(n)
            if n == m:
                break
        if len(part) > 1:
            problems.append('a circle of includes: ' + ' <-> '.join(sorted(part)))
sys.setrecursionlimit(10000)
for m in sorted(modules):
    if m not in index:
        visit(m)

home = {}  # class -> the folder of the header declaring it
for m, files in modules.items():
    for name, text in files:
        if name.endswith('.h'):
            for cls in declared.findall(text):
                home[cls] = m.split('/')[0]
for m, files in modules.items():
    for name, text in files:
        if name.endswith('.cpp'):
            for cls in sorted(set(defined.findall(text))):
                if cls in home and home[cls] != m.split('/')[0]:
                    problems.append(f'{name} defines members of {cls}, declared in {home[cls]}/')

for p in problems:
    print(p)
print(f'{len(modules)} files, {sum(len(e) for e in edges.values())} includes among them, {len(problems)} problems')
sys.exit(1 if problems else 0)
