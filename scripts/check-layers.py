#!/usr/bin/env python3
"""Checks the program's layers from what the compiler resolved.

Every object file of the build is checked against the dependency table below,
using the headers the compiler actually opened for it (Ninja's record of the
compiler's dependency files, or .d files given by hand). A textual check of
`#include` lines misses a relative path, an indented or spaced include, angle
brackets, a macro and a header reached through another header; the compiler's
own record misses none of them.

  check-layers.py [BUILD_DIR]             the build's objects (default: build/)
  check-layers.py --deps FILE... [--root DIR...]
                                          Makefile-style .d files instead

Exit status 0 when every dependency points along the table, 1 otherwise.
"""

import argparse
import os
import subprocess
import sys

# Each source folder and the folders it may use directly. Whatever those may
# use is allowed as well, so the table states the order once: a folder never
# reaches one above it, and folders side by side (update and statistics,
# output and online) do not reach each other unless a line here says so.
ALLOWED = {
    # the base: files, dates, code pages, the platform interface; the controls
    "platform": [],
    "controls": ["platform"],
    # the driver's and the tests' platform, which plays the user
    "scripted": ["controls"],
    # game, history file, messages and every window's form
    "model": ["controls"],
    # the subsystems, bottom up: draws and the ticket check first, the
    # analyses over the calculation last
    "draws": ["model"],
    "statistics": ["draws"],
    "update": ["draws"],
    "generation": ["statistics"],
    "output": ["generation"],
    "online": ["generation", "update"],
    "analysis": ["generation"],
    # the window's life: start-up, close, handlers, settings, languages
    "shell": ["analysis", "online", "output", "update"],
    # adapters and programs on top
    "net": ["platform"],
    "qtcore": ["platform"],
    "qt": ["shell", "net", "qtcore"],
    "cli": ["shell", "net", "qtcore", "scripted"],
}

# The model (everything up to the shell) is standard C++: no Qt, no curl, no
# HTTP server, no command-line or test library may reach it.
PLAIN_CPP = {"platform", "controls", "model", "draws", "statistics", "update",
             "generation", "output", "online", "analysis", "shell"}
FOREIGN_HEADERS = ["/qt6/", "/curl/", "httplib", "/CLI/", "/gtest/", "/gmock/",
                   "/benchmark/"]


def closure(table):
    reach = {}

    def visit(folder, seen):
        if folder in reach:
            return reach[folder]
        if folder in seen:
            raise SystemExit(f"the layer table has a cycle through {folder}")
        below = set()
        for lower in table[folder]:
            below.add(lower)
            below |= visit(lower, seen | {folder})
        reach[folder] = below
        return below

    for folder in table:
        visit(folder, set())
    return reach


def folder_of(path, roots):
    """The source folder a path lies in (src/FOLDER/...), or None."""
    real = os.path.normpath(path)
    for root in roots:
        src = os.path.join(root, "src") + os.sep
        if real.startswith(src):
            first = real[len(src):].split(os.sep, 1)[0]
            if first in ALLOWED:
                return first
    return None


def ninja_deps(build):
    """{object: [dependency paths]} from Ninja's log of the compiler's .d files."""
    out = subprocess.run(["ninja", "-C", build, "-t", "deps"], check=True,
                         capture_output=True, text=True).stdout
    deps = {}
    current = None
    for line in out.splitlines():
        if not line.strip():
            current = None
        elif not line.startswith(" ") and ": #deps" in line:
            current = line.split(": #deps", 1)[0]
            deps[current] = []
        elif current is not None:
            deps[current].append(os.path.normpath(os.path.join(build, line.strip())))
    return deps


def makefile_deps(files):
    """{object: [dependency paths]} from .d files as `g++ -MD` writes them."""
    deps = {}
    for name in files:
        with open(name, encoding="utf-8") as f:
            text = f.read().replace("\\\n", " ")
        for rule in text.splitlines():
            if ":" not in rule:
                continue
            target, prerequisites = rule.split(":", 1)
            base = os.path.dirname(os.path.abspath(name))
            deps.setdefault(target.strip(), []).extend(
                p if os.path.isabs(p) else os.path.join(base, p)
                for p in prerequisites.split())
    return deps


def source_folder(paths, roots):
    """The folder an object was compiled from: its source comes first among
    the dependencies the compiler wrote."""
    return folder_of(paths[0], roots) if paths else None


def check(deps, roots):
    reach = closure(ALLOWED)
    problems = []
    for obj, paths in sorted(deps.items()):
        folder = source_folder(paths, roots)
        if folder is None:
            continue
        for path in paths:
            used = folder_of(path, roots)
            if used is not None and used != folder and used not in reach[folder]:
                problems.append(f"src/{folder} uses src/{used}: {obj} depends on {path}")
            elif folder in PLAIN_CPP and any(h in path for h in FOREIGN_HEADERS):
                problems.append(f"src/{folder} uses a library outside standard C++: "
                                f"{obj} depends on {path}")
    return problems


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    project = os.path.normpath(os.path.join(here, ".."))
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("build", nargs="?", default=os.path.join(project, "build"))
    parser.add_argument("--deps", nargs="+", help="Makefile-style dependency files")
    parser.add_argument("--root", action="append", default=[],
                        help="a tree whose src/ holds the folders (default: this project)")
    args = parser.parse_args()
    roots = [os.path.normpath(os.path.abspath(r)) for r in args.root] or [project]

    if args.deps:
        deps = makefile_deps(args.deps)
    else:
        if not os.path.exists(os.path.join(args.build, "build.ninja")):
            sys.exit(f"no Ninja build in {args.build}: build first (scripts/build.sh)")
        deps = ninja_deps(os.path.abspath(args.build))
        if not any(source_folder(p, roots) for p in deps.values()):
            sys.exit(f"the build in {args.build} recorded no dependencies: build first")

    problems = check(deps, roots)
    for p in problems:
        print(p, file=sys.stderr)
    if problems:
        return 1
    print(f"layers: {len(deps)} objects, every dependency follows the table")
    return 0


if __name__ == "__main__":
    sys.exit(main())
