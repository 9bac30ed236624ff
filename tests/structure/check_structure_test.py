#!/usr/bin/python3
"""The structure check on small made-up trees: each fault it must find, and none it must not."""

import os
import shutil
import subprocess
import sys
import tempfile
import unittest

SCRIPT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "check_structure.py")


def function_of(lines, name="Long"):
    """A function pmccabe counts as `lines` long."""
    return f"int {name}() {{\n" + "    Step();\n" * (lines - 2) + "}\n"


# A tree whose every rule holds: a few floors present, others (plan, keptlist...) not made yet.
CLEAN = {
    "platform/Clock.h": "#pragma once\n#include <QString>\n",
    "engine/Run.h": '#pragma once\n#include "platform/Clock.h"\n#include "gtest/gtest.h"\n',
    "engine/Run.cpp": '#include "engine/Run.h"\n#include "Run.h"\n' + function_of(80),
    "window/Main.cpp": ('#include "engine/Run.h"\n#include "platform/Clock.h"\n'
                        '#include "ui_Main.h"\n'),
    "app/main.cpp": '#include "window/Main.h"\nint main() { return 0; }\n',
    "CMakeLists.txt": "add_subdirectory(platform)\n",
}


def run_check(tree, *arguments):
    with tempfile.TemporaryDirectory() as root:
        src = os.path.join(root, "src")
        os.makedirs(src)
        for relative, text in tree.items():
            path = os.path.join(src, relative)
            os.makedirs(os.path.dirname(path), exist_ok=True)
            with open(path, "w", encoding="utf-8") as file:
                file.write(text)
        run = subprocess.run([sys.executable, SCRIPT, "--src", src, *arguments],
                             capture_output=True, text=True)
    return run.returncode, run.stdout + run.stderr


class CleanTree(unittest.TestCase):
    def test_passes_with_one_line_summary(self):
        status, output = run_check(CLEAN)
        self.assertEqual(status, 0, output)
        self.assertEqual(len(output.strip().splitlines()), 1, output)
        self.assertIn("Structure holds", output)

    def test_list_of_a_clean_tree_is_empty(self):
        status, output = run_check(CLEAN, "--list")
        self.assertEqual((status, output), (0, ""))


class EachFault(unittest.TestCase):
    # What is added to the clean tree, what the report must then say, and how many faults.
    CASES = [
        ("include from a higher floor",
         {"platform/Bad.cpp": '#include <vector>\n#include "engine/Run.h"\n'},
         ["src/platform/Bad.cpp:2:", '"engine/Run.h"', "platform (floor 1)",
          "engine (floor 2)"], 1),
        ("include across one floor",
         {"cli/Opts.h": "#pragma once\n", "window/Uses.cpp": '#include "cli/Opts.h"\n'},
         ["src/window/Uses.cpp:1:", "window and cli share floor 9"], 1),
        ("include from a higher floor by a relative path",
         {"platform/Up.cpp": '#include "../engine/Run.h"\n'},
         ["src/platform/Up.cpp:1:", "platform (floor 1) may not include engine (floor 2)"], 1),
        ("folders on one floor, either way round",
         {"plan/Plan.h": '#include "settings/Keys.h"\n', "settings/Keys.h": "#pragma once\n"},
         ["src/plan/Plan.h:1:", "plan and settings share floor 4"], 1),
        ("folder without a floor",
         {"gadgets/Gadget.h": '#include "platform/Clock.h"\n'},
         ["src/gadgets", "give it one in FLOORS"], 1),
        ("source file outside any folder",
         {"Loose.cpp": "int x;\n"},
         ["src/Loose.cpp", "outside any folder"], 1),
        ("include cycle through two files",
         {"engine/A.h": '#include "engine/B.h"\n', "engine/B.h": '#include "A.h"\n'},
         ["include cycle: src/engine/A.h -> src/engine/B.h -> src/engine/A.h"], 1),
        ("include cycle across folders and three files",
         {"formats/F.h": '#include "formats/G.h"\n', "formats/G.h": '#include "engine/E.h"\n',
          "engine/E.h": '#include "formats/F.h"\n'},
         ["include cycle: src/engine/E.h -> src/formats/F.h -> src/formats/G.h -> "
          "src/engine/E.h", "src/engine/E.h:1: includes \"formats/F.h\""], 2),
        ("file including itself",
         {"engine/Self.h": '#include "engine/Self.h"\n'},
         ["include cycle: src/engine/Self.h -> src/engine/Self.h"], 1),
        ("file over 600 lines",
         {"formats/Big.cpp": "// line\n" * 601},
         ["src/formats/Big.cpp: 601 lines"], 1),
        ("function over 80 lines",
         {"engine/Long.cpp": "\n\n" + function_of(81)},
         ["src/engine/Long.cpp:3: Long has 81 lines"], 1),
        # A Qt macro must not shift the line pmccabe names, nor put the function in its struct.
        ("function after a Qt macro",
         {"joblist/Tr.cpp": ("namespace reelwright {\nnamespace {\nstruct Text {\n"
                             "    Q_DECLARE_TR_FUNCTIONS(reelwright::Tr)\n};\n"
                             + function_of(90, "Fill") + "}  // namespace\n}  // namespace\n")},
         ["src/joblist/Tr.cpp:6: Fill has 90 lines"], 1),
    ]

    def test_each_fault_is_named_with_its_file(self):
        for name, added, expected, count in self.CASES:
            with self.subTest(name):
                tree = dict(CLEAN, **added)
                status, output = run_check(tree)
                self.assertEqual(status, 1, output)
                for words in expected:
                    self.assertIn(words, output)
                # Only the faults made, none besides them.
                self.assertIn(f"Structure broken: {count} fault{'s' if count > 1 else ''}.", output)

    def test_missing_pmccabe_fails_saying_so(self):
        status, output = run_check(CLEAN, "--pmccabe", "/nonexistent/pmccabe")
        self.assertEqual(status, 1, output)
        self.assertIn("pmccabe is not installed", output)

    def test_list_prints_every_fault_the_summary_cuts(self):
        tree = dict(CLEAN)
        for number in range(12):
            tree[f"engine/Long{number}.cpp"] = function_of(81)
        status, output = run_check(tree)
        self.assertEqual(status, 1, output)
        self.assertIn("... and 2 more (--list shows them all)", output)
        status, output = run_check(tree, "--list")
        self.assertEqual(status, 1, output)
        self.assertEqual(len(output.strip().splitlines()), 12, output)


if __name__ == "__main__":
    if not shutil.which("pmccabe"):
        sys.exit("pmccabe is not installed: apt-get install pmccabe (scripts/setup.sh lists it)")
    unittest.main()
