#!/usr/bin/env python3
"""Checks the facts of the manual (docs/manual/handbuch.md) that live in the program's own tables against those
tables, so that a change of the program that leaves the manual behind fails: the menu texts and their Alt keys, the
message texts, the keyboard shortcuts with their buttons' tooltips, the other tooltips, the settings keys with their
defaults and widths, and the limits (least size, grab zones, label threshold, alpha, grab pixels, text lengths).

Usage: check_manual_facts.py [MANUAL]   (MANUAL defaults to docs/manual/handbuch.md)

Each kind of fact is one table below: a new key, text or limit of the program needs a row there and its sentence in
the manual.
"""
import os
import re
import sys

ROOT = os.path.realpath(os.path.join(os.path.dirname(__file__), "..", ".."))
MANUAL = sys.argv[1] if len(sys.argv) > 1 else os.path.join(ROOT, "docs", "manual", "handbuch.md")

# The keys of the shortcuts as the manual names them; the tooltips name the modifiers in English.
KEY_NAMES = {"VK_UP": "Cursortaste aufwärts", "VK_DOWN": "Cursortaste abwärts", "VK_LEFT": "Cursortaste links",
             "VK_RIGHT": "Cursortaste rechts"}
MODIFIERS = {"TkAltKey": ("Alt", "Alt"), "TkShiftKey": ("Umschalt", "Shift"), "TkControlKey": ("Strg", "Ctrl")}

# Texts of src/core/program_texts.h the manual quotes, besides the menu's.
MESSAGE_TEXTS = ["AlreadyRunningText", "ProgramTitle"]

# Limits: (file, pattern whose group is the number, the manual's sentence for the number).
LIMITS = [
    ("src/core/drag_zones.h", r"EdgeZone = (\d+);",
     # a press at x < zone grabs the left edge, at x > width - zone the right one: one pixel fewer
     lambda v: f"an der linken und oberen Kante {v} Pixel breit, an der rechten und unteren Kante {v - 1} Pixel"),
    ("src/core/drag_zones.h", r"MinRulerSize = (\d+);", lambda v: f"nicht kleiner als {v} × {v} Pixel"),
    ("src/core/drag_zones.h", r"MinRulerSize = (\d+);", lambda v: f"werden beim Laden auf {v} Pixel"),
    ("src/windows/ruler_layout.h", r"RulerLabelThreshold = (\d+);", lambda v: f"schmaler oder niedriger als {v} Pixel"),
    ("src/windows/ruler_window.h", r"RulerAlpha = (\d+);", lambda v: f"Deckkraft {v} von 255"),
    ("src/core/desktop_geometry.h", r"GrabPixels = (\d+);",
     lambda v: f"mindestens {v} Pixel in der Breite und in der Höhe"),
    ("src/measure/corner_probe.cpp", r"char text\[(\d+)\]", lambda v: f"höchstens {v - 1} Zeichen"),
]

NUMBER_WORDS = ["null", "eins", "zwei", "drei", "vier", "fünf", "sechs", "sieben", "acht", "neun", "zehn", "elf",
                "zwölf", "dreizehn", "vierzehn", "fünfzehn", "sechzehn"]


def source(path):
    return open(os.path.join(ROOT, path), encoding="utf-8").read()


manual = open(MANUAL, encoding="utf-8").read()
text = " ".join(manual.split())  # line breaks inside paragraphs and table cells do not matter
rows = [" ".join(line.split()) for line in manual.splitlines() if line.startswith("|")]
problems = []


def expect(what, phrase):
    if phrase not in text:
        problems.append(f"{what}: the manual does not say: {phrase}")


def expect_row(what, *cells):
    if not any(all(cell in row for cell in cells) for row in rows):
        problems.append(f"{what}: no table row of the manual holds " + " and ".join(cells))


# Menu texts, as the program shows them (without the & of the underlined letter), and the Alt key of each title.
texts = dict(re.findall(r'const char\* (\w+) = "(.*)";', source("src/core/program_texts.h")))
menu = re.findall(r"TkMenu(Title|Item)\((?:\w+, *)?(\w+)\);", source("src/windows/main_window.cpp"))
for kind, constant in menu:
    shown = texts[constant].replace("&", "")
    expect(f"menu text {constant}", f"„{shown}“")
    if kind == "Title":
        expect(f"Alt key of {constant}", "Alt+" + texts[constant][texts[constant].index("&") + 1].upper())
for constant in MESSAGE_TEXTS:
    expect(f"text {constant}", f"„{texts[constant]}“")

# The shortcuts: each nudge's key in the keys table, in the row of its button's tooltip; the tooltip names the key.
window_code = source("src/windows/main_window.cpp")
tooltips = dict(re.findall(r'\{(\w+), "([^"]+)"\}', window_code))
copy_tip = re.search(r'CopyTip = "([^"]+)";', window_code).group(1)
nudges = re.findall(r"^ *\{Cmd\w+, *([\w |]+), *(\w+),", source("src/windows/window_placement.cpp"), re.M)
for key, button in nudges:
    parts = [part.strip() for part in key.split("|")]
    base = KEY_NAMES.get(parts[-1])
    if base is None or any(part not in MODIFIERS for part in parts[:-1]):
        problems.append(f"shortcut {key}: no name for it here; document it in the manual and name it in {__file__}")
        continue
    german = " + ".join([MODIFIERS[part][0] for part in parts[:-1]] + [base])
    english = " + ".join([MODIFIERS[part][1] for part in parts[:-1]] + [base])
    tip = tooltips.get(button, "")
    if "TkAltKey" in parts:
        # An edge search: its key and the button clicked with Alt, named by the tooltip of its nudge.
        expect_row(f"shortcut {key}", f"| {german} |", f"„{tip[:tip.rfind(' (')]}“")
        continue
    if not tip.endswith(f" ({english})"):
        problems.append(f"tooltip of {button} „{tip}“ does not name its key {english}")
        continue
    expect_row(f"shortcut {key}", f"| {german} |", f"„{tip[:-len(english) - 3]}“")
if len(nudges) < 24:
    problems.append(f"read {len(nudges)} shortcuts from the program instead of at least 24")
nudge_buttons = {button for _, button in nudges}
for control, tip in tooltips.items():
    if control not in nudge_buttons:
        expect(f"tooltip of {control}", f"„{tip}“")
expect("tooltip of the copyable fields", f"„{copy_tip}“")

# The settings keys: the table's row with default and width, the file with the defaults, their number.
keys = re.findall(r'\{"(\w+)", "(-?\d+)", (nullptr|&Settings::\w+), (nullptr|&Settings::\w+)\}',
                  source("src/windows/settings_keys.cpp"))
for key, default, wide, _ in keys:
    bits = "8" if wide == "nullptr" else "32"
    expect_row(f"settings key {key}", f"| `{key}` | {default} | {bits} Bit |")
    if f"\n    {key} = {default}\n" not in manual:
        problems.append(f"settings key {key}: the manual's file with the defaults has no line „{key} = {default}“")
expect("number of settings keys", f"Tessaro merkt sich {NUMBER_WORDS[len(keys)]} Werte")
defaults = {key: default for key, default, _, _ in keys}
expect("default places", f"Bedienfeld bei {defaults['MainWindowPosX']}, {defaults['MainWindowPosY']}; "
       f"Lineal bei {defaults['RulerWindowPosX']}, {defaults['RulerWindowPosY']}")

for path, pattern, sentence in LIMITS:
    found = re.search(pattern, source(path))
    if not found:
        problems.append(f"{path} has no {pattern}: update the table of limits in {__file__}")
        continue
    expect(f"limit {pattern} of {path}", sentence(int(found.group(1))))

if problems:
    print("FAILED: the manual disagrees with the program:\n  " + "\n  ".join(problems))
    sys.exit(1)
print(f"manual facts: {len(menu)} menu texts, {len(nudges)} shortcuts, {len(tooltips) + 1} tooltips, "
      f"{len(keys)} settings keys and {len(LIMITS)} limits agree with the program")
