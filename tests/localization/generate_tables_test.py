#!/usr/bin/env python3
"""The table generator stops on a bad translation file, naming its file, line
and field; the real files pass. Usage: generate_tables_test.py SOURCE_DIR"""
import os
import pathlib
import shutil
import subprocess
import sys
import tempfile

SOURCE = sys.argv[1]
GENERATOR = os.path.join(SOURCE, "localization", "generate_tables.py")
CANCEL = 'msgctxt "Cancel"\nmsgid "Cancel"\nmsgstr "Abbrechen"\n'
PLURAL = 'msgstr[1] "%i weitere Längeneinheiten"'
# File, the text replaced, its replacement, what the message must say.
CASES = [
    ("de.po", CANCEL, "", "Cancel: no entry"),
    ("de.po", 'msgstr "Abbrechen"', 'msgstr "Abbrechen', "de.po:40: Cancel: cannot read"),
    ("de.po", 'msgstr "Abbrechen"', 'msgstr "Ab\\qbrechen"', "de.po:40: Cancel: an unknown escape"),
    ("de.po", 'msgid "Cancel"', 'msgid "Cancel it"', "de.po:38: Cancel: its British text differs"),
    ("de.po", CANCEL, CANCEL + "\n" + CANCEL.replace("Cancel", "Cancelled"), "Cancelled: not in the template"),
    ("de.po", CANCEL, CANCEL + "\n" + CANCEL, "Cancel: given twice"),
    ("de.po", PLURAL, 'msgstr[1] ""', "NUM_more_lengths: some plural forms empty"),
    ("de.po", PLURAL, PLURAL + '\nmsgstr[2] "x"', "NUM_more_lengths: needs msgstr[0] to msgstr[1]"),
    ("de.po", PLURAL, 'msgstr[1] "%i {weitere}"', "NUM_more_lengths: a brace"),
    ("de.po", "X-Plural-Categories: one, other", "X-Plural-Categories: one, several", "de.po:4: header: X-Plural"),
    ("de.po", "plural=(n != 1);", "plural=system(n);", "de.po:4: header: no usable Plural-Forms"),
    # A variant leaves entries out, but its plural header is its base's.
    ("zh_Hant_HK.po", "plural=0;", "plural=n-n;", "zh_Hant_HK.po:9: header: plural forms differ"),
    ("zh_Hant_HK.po", 'msgid "Metre (m)"', 'msgid "Meter (m)"', "Meter: its British text differs"),
]


def run(po_dir, out):
    return subprocess.run([sys.executable, GENERATOR, po_dir, out], capture_output=True, text=True)


def main():
    failures = 0
    with tempfile.TemporaryDirectory() as work:
        po_dir, out = os.path.join(work, "po"), os.path.join(work, "out.cpp")
        shutil.copytree(os.path.join(SOURCE, "localization", "po"), po_dir)
        if run(po_dir, out).returncode != 0:
            print("the project's own files are refused")
            failures += 1
        for name, text, replacement, wanted in CASES:
            path = pathlib.Path(po_dir, name)
            good = path.read_text(encoding="utf-8")
            assert good.count(text) == 1, text
            path.write_text(good.replace(text, replacement), encoding="utf-8")
            result = run(po_dir, out)
            path.write_text(good, encoding="utf-8")
            if result.returncode == 0 or wanted not in result.stderr:
                print(f"{wanted!r}: exit {result.returncode}, said {result.stderr.strip()!r}")
                failures += 1
    sys.exit(1 if failures else 0)


if __name__ == "__main__":
    main()
