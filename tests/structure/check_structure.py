#!/usr/bin/python3
"""Holds the source tree to its shape: folders include only downwards, files include no circle,
and no file or function grows past what one reader takes in at once.

Run by ctest, it shows the first few faults of each kind. `--list` prints every fault, one a
line as a compiler would, for a developer to work through."""

import argparse
import os
import re
import shutil
import subprocess
import sys
import tempfile

# Each folder of src/ and its floor. A file may include from its own folder and from folders on
# lower floors only; folders on one floor know nothing of each other. A new folder needs a line
# here before the test passes. Folders not made yet are listed so their floor is settled early.
FLOORS = {
    "platform": 1,    # the stand-ins for the system: command line, dialogs, desktop, power, locks
    "engine": 2,      # running the encoder and reading what it says
    "formats": 3,     # the preset and codec catalogues, the custom format, the option string
    "settings": 4,    # the persisted choices
    "plan": 4,        # one file's plan, made from its facts, the format and the choices alone
    "joblist": 5,     # the rows, their store, adding files and folders, the grid
    "conversion": 6,  # one file's life: prepare, passes, run, check, name, date, log
    "batch": 7,       # scheduling the files of a batch, power-off after it
    "keptlist": 8,    # the queue kept for a later start, and its one owner
    "cli": 9,         # reelwright-cli: the batch without a window
    "window": 9,      # frmMain and its panels: wiring, look, layout
    "app": 10,        # the window program's main
}

MOST_FILE_LINES = 600
MOST_FUNCTION_LINES = 80
# Faults of one kind shown without --list; the rest are counted.
SHOWN_PER_KIND = 10

SOURCE_SUFFIXES = (".cpp", ".h")
INCLUDE = re.compile(r'^\s*#\s*include\s*"([^"]+)"')


class Fault:
    def __init__(self, kind, path, line, message):
        self.kind = kind
        self.path = path
        self.line = line
        self.message = message

    def __str__(self):
        where = f"{self.path}:{self.line}" if self.line else self.path
        return f"{where}: {self.message}"


def source_files(src):
    """Every .cpp and .h under src, as paths relative to src, in a stable order."""
    found = []
    for folder, subfolders, names in os.walk(src):
        subfolders.sort()
        for name in sorted(names):
            if name.endswith(SOURCE_SUFFIXES):
                found.append(os.path.relpath(os.path.join(folder, name), src))
    return found


def top_folder(relative):
    parts = relative.replace(os.sep, "/").split("/")
    return parts[0] if len(parts) > 1 else None


def includes_of(src, relative):
    """(line number, included text) for each #include "..." of a file."""
    found = []
    with open(os.path.join(src, relative), encoding="utf-8", errors="replace") as text:
        for number, line in enumerate(text, 1):
            match = INCLUDE.match(line)
            if match:
                found.append((number, match.group(1)))
    return found


def resolve(relative, included, known):
    """The src file an include names: from src/ as the project writes them, or beside the
    including file; None for a file outside src (Qt's, the system's, a generated one)."""
    candidates = [
        os.path.normpath(included),
        os.path.normpath(os.path.join(os.path.dirname(relative), included)),
    ]
    for candidate in candidates:
        if candidate in known:
            return candidate
    return None


def check_folders(src, files):
    faults = []
    folders = sorted(
        name for name in os.listdir(src)
        if os.path.isdir(os.path.join(src, name)) and not name.startswith("."))
    for folder in folders:
        if folder not in FLOORS:
            faults.append(Fault(
                "floor", f"src/{folder}", 0,
                "folder has no floor: give it one in FLOORS in tests/structure/check_structure.py"))
    for relative in files:
        if top_folder(relative) is None:
            faults.append(Fault("floor", f"src/{relative}", 0,
                                "source file outside any folder: move it into a folder of src/"))
    return faults


def check_floors(files, includes):
    known = set(files)
    faults = []
    for relative in files:
        own = top_folder(relative)
        if own not in FLOORS:
            continue  # reported once, for its folder
        for number, included in includes[relative]:
            # The folder of the file it reaches, so "../engine/Run.h" counts as engine's too.
            target = resolve(relative, included, known)
            other = top_folder(target or os.path.normpath(included))
            if other is None or other == own:
                continue
            if other not in FLOORS:
                continue  # a folder without a floor is reported itself; others are not ours
            if FLOORS[other] == FLOORS[own]:
                faults.append(Fault(
                    "floor", f"src/{relative}", number,
                    f'includes "{included}": {own} and {other} share floor {FLOORS[own]}'
                    " and may not include each other"))
            elif FLOORS[other] > FLOORS[own]:
                faults.append(Fault(
                    "floor", f"src/{relative}", number,
                    f'includes "{included}": {own} (floor {FLOORS[own]}) may not include'
                    f" {other} (floor {FLOORS[other]}), which stands above it"))
    return faults


def strongly_connected(graph):
    """Tarjan's components of the include graph, without recursion (chains can be long)."""
    index_of, low, on_stack, stack, components = {}, {}, set(), [], []
    counter = 0
    for root in graph:
        if root in index_of:
            continue
        work = [(root, iter(graph[root]))]
        index_of[root] = low[root] = counter
        counter += 1
        stack.append(root)
        on_stack.add(root)
        while work:
            node, edges = work[-1]
            advanced = False
            for target in edges:
                if target not in index_of:
                    index_of[target] = low[target] = counter
                    counter += 1
                    stack.append(target)
                    on_stack.add(target)
                    work.append((target, iter(graph[target])))
                    advanced = True
                    break
                if target in on_stack:
                    low[node] = min(low[node], index_of[target])
            if advanced:
                continue
            work.pop()
            if work:
                parent = work[-1][0]
                low[parent] = min(low[parent], low[node])
            if low[node] == index_of[node]:
                component = []
                while True:
                    member = stack.pop()
                    on_stack.discard(member)
                    component.append(member)
                    if member == node:
                        break
                components.append(component)
    return components


def one_circle(graph, members):
    """A shortest way round the circle from its first file by name, for the message."""
    inside = set(members)
    start = min(members)
    came_from = {start: None}
    frontier = [start]
    while frontier:
        following = []
        for node in frontier:
            for target in graph[node]:
                if target == start:
                    path = [node]
                    while came_from[path[-1]] is not None:
                        path.append(came_from[path[-1]])
                    return list(reversed(path)) + [start]
                if target in inside and target not in came_from:
                    came_from[target] = node
                    following.append(target)
        frontier = following
    return [start, start]


def check_cycles(files, includes):
    known = set(files)
    graph = {}
    for relative in files:
        targets = []
        for _, included in includes[relative]:
            target = resolve(relative, included, known)
            if target is not None and target not in targets:
                targets.append(target)
        graph[relative] = targets
    faults = []
    for component in strongly_connected(graph):
        if len(component) == 1 and component[0] not in graph[component[0]]:
            continue
        circle = one_circle(graph, component)
        faults.append(Fault("cycle", f"src/{circle[0]}", 0,
                            "include cycle: " + " -> ".join(f"src/{p}" for p in circle)))
    return sorted(faults, key=lambda fault: fault.path)


def check_file_lengths(src, files):
    faults = []
    for relative in files:
        with open(os.path.join(src, relative), encoding="utf-8", errors="replace") as text:
            count = sum(1 for _ in text)
        if count > MOST_FILE_LINES:
            faults.append(Fault("file", f"src/{relative}", 0,
                                f"{count} lines; a source file may have at most {MOST_FILE_LINES}"))
    return faults


# pmccabe's line: modified and plain complexity, statements, first line, lines, "file(n): name".
PMCCABE_LINE = re.compile(r"^\d+\t\d+\t\d+\t(\d+)\t(\d+)\t(.*)\((\d+)\): (.*)$")

# pmccabe knows no Qt: a macro without its semicolon, "signals:" or "enum class" make it lose
# the namespace, and it names functions wrongly. It reads a copy with those made plain C++; each
# line stays where it was, so the counts and line numbers are the source's own.
PLAIN_FOR_PMCCABE = [
    (re.compile(r"^([ \t]*)Q_[A-Z_]+(\(.*\))?[ \t]*$"), r"\1"),
    (re.compile(r"\bsignals:"), "public:"),
    (re.compile(r"\b(public|protected|private) (Q_)?slots:"), r"\1:"),
    (re.compile(r"\benum (class|struct)\b"), "enum"),
]


def plain_copy(src, relative, copy_root):
    with open(os.path.join(src, relative), encoding="utf-8", errors="replace") as text:
        lines = text.readlines()
    for pattern, replacement in PLAIN_FOR_PMCCABE:
        lines = [pattern.sub(replacement, line) for line in lines]
    copy = os.path.join(copy_root, "src", relative)
    os.makedirs(os.path.dirname(copy), exist_ok=True)
    with open(copy, "w", encoding="utf-8") as text:
        text.writelines(lines)


def check_function_lengths(src, files, pmccabe):
    if not files:
        return []
    program = pmccabe or shutil.which("pmccabe")
    if not program or not os.access(program, os.X_OK):
        return [Fault("function", "src", 0,
                      "pmccabe is not installed, so function lengths cannot be measured: "
                      "install it (apt-get install pmccabe, or run scripts/setup.sh)")]
    with tempfile.TemporaryDirectory() as copy_root:
        for relative in files:
            plain_copy(src, relative, copy_root)
        # Its notes on what it cannot parse go to stderr and do not change the counts.
        run = subprocess.run([program] + [os.path.join("src", f) for f in files],
                             cwd=copy_root, capture_output=True, text=True)
    if run.returncode != 0:
        return [Fault("function", "src", 0,
                      f"pmccabe failed (exit status {run.returncode}): {run.stderr.strip()}")]
    faults = []
    for line in run.stdout.splitlines():
        match = PMCCABE_LINE.match(line)
        if not match:
            continue
        first, length, path, _, function = match.groups()
        if int(length) > MOST_FUNCTION_LINES:
            short = function.replace("anonymous_namespace::", "").replace("reelwright::", "")
            faults.append(Fault(
                "function", path, int(first),
                f"{short} has {length} lines; a function may have at most {MOST_FUNCTION_LINES}"))
    if not run.stdout.strip():
        faults.append(Fault("function", "src", 0, "pmccabe measured no function at all"))
    return faults


KINDS = [
    ("floor", "folder floors"),
    ("cycle", "include cycles"),
    ("file", f"files over {MOST_FILE_LINES} lines"),
    ("function", f"functions over {MOST_FUNCTION_LINES} lines"),
]


def all_faults(src, pmccabe=None):
    files = source_files(src)
    includes = {relative: includes_of(src, relative) for relative in files}
    return files, (check_folders(src, files) + check_floors(files, includes) +
                   check_cycles(files, includes) + check_file_lengths(src, files) +
                   check_function_lengths(src, files, pmccabe))


def main(arguments):
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("--src", default=os.path.join(os.path.dirname(__file__), "..", "..",
                                                      "src"),
                        help="the source tree to check (default: this checkout's src/)")
    parser.add_argument("--list", action="store_true",
                        help="print every fault, one a line, not only the first few of each kind")
    parser.add_argument("--pmccabe", help="the pmccabe program (default: the one on PATH)")
    options = parser.parse_args(arguments)
    src = os.path.normpath(options.src)
    if not os.path.isdir(src):
        print(f"{src}: no such folder", file=sys.stderr)
        return 2

    files, faults = all_faults(src, options.pmccabe)
    if options.list:
        # One fault a line, as a compiler says them, for an editor to step through.
        for fault in faults:
            print(fault)
        return 1 if faults else 0
    if not faults:
        folders = {top_folder(relative) for relative in files}
        print(f"Structure holds: {len(files)} files in {len(folders)} folders, floors kept, no "
              f"include cycle, no file over {MOST_FILE_LINES} lines, no function over "
              f"{MOST_FUNCTION_LINES} lines.")
        return 0
    for kind, title in KINDS:
        of_kind = [fault for fault in faults if fault.kind == kind]
        if not of_kind:
            continue
        print(f"{title}: {len(of_kind)}")
        for fault in of_kind[:SHOWN_PER_KIND]:
            print(f"  {fault}")
        if len(of_kind) > SHOWN_PER_KIND:
            print(f"  ... and {len(of_kind) - SHOWN_PER_KIND} more (--list shows them all)")
    print(f"Structure broken: {len(faults)} fault{'' if len(faults) == 1 else 's'}.")
    return 1

if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
