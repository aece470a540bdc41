#!/usr/bin/env python3
"""Measures how many faults the native tests catch: changes one token at a time
in the portable core (a seeded sample of single changes), rebuilds the native
tests after each and runs them, and reports the changes that no test caught.
A figure for docs/testing.md, not a gate.

    python3 scripts/mutate.py [--count 100] [--seed 1] [--files render/text_box.cpp ...]

Works on a copy of the checkout as it stands, in build/mutation/source, built in
build/mutation/build with the native preset's configuration: the checkout and its
build trees are never touched, so other builds can run meanwhile. Changes that leave the code uncompilable do not count. A surviving change
listed in scripts/mutation_equivalents.txt, one that cannot change behaviour, is
left out of the score; the report says so.
"""
import argparse
import json
import os
import random
import re
import shutil
import subprocess
import sys
import time

CHECKOUT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
ROOT = os.path.join(CHECKOUT, "build", "mutation", "source")
BUILD = os.path.join(CHECKOUT, "build", "mutation", "build")
EQUIVALENTS = os.path.join(CHECKOUT, "scripts", "mutation_equivalents.txt")
TEST_PROGRAMS = ["tests/native/lorvan_native_tests",
                 "tests/native/text_renderer/lorvan_rendered_game_tests"]
# The oracle the tests compare the fill against, and generated or vendored code,
# are not the game's own decisions.
NOT_MUTATED = ("render/reference_background.cpp", "text_renderer/stb_truetype.c")

# Comments, string and character literals are skipped whole; what is left is
# scanned for the tokens below.
SKIPPED = re.compile(r'//[^\n]*|/\*.*?\*/|"(?:\\.|[^"\\\n])*"|\'(?:\\.|[^\'\\\n])*\'|^\s*#[^\n]*',
                     re.S | re.M)
TOKEN = re.compile(r"<<=|>>=|<=|>=|==|!=|&&|\|\||\+\+|--|->|<<|>>|[-+*/%<>!]|"
                   r"\b(?:true|false|break)\b|\b\d+\b")
REPLACEMENTS = {
    "<": ["<=", ">"], "<=": ["<", ">"], ">": [">=", "<"], ">=": [">", "<"],
    "==": ["!="], "!=": ["=="], "&&": ["||"], "||": ["&&"],
    "+": ["-"], "-": ["+"], "*": ["/"], "/": ["*"], "%": ["*"],
    "++": ["--"], "--": ["++"], "true": ["false"], "false": ["true"],
    "!": [""], "break": [";"],
}


def copy_checkout():
    """The tracked files as they are in the working tree, uncommitted changes included.
    The copy is made anew, each file stamped now, so that no file a past run left
    behind is built and no object built from an older copy is taken as current."""
    shutil.rmtree(ROOT, ignore_errors=True)
    listed = subprocess.run(["git", "ls-files", "-z"], cwd=CHECKOUT, check=True,
                            stdout=subprocess.PIPE).stdout.decode().split("\0")
    for path in filter(None, listed):
        target = os.path.join(ROOT, path)
        os.makedirs(os.path.dirname(target), exist_ok=True)
        if os.path.isfile(os.path.join(CHECKOUT, path)):
            shutil.copyfile(os.path.join(CHECKOUT, path), target)


def portable_sources():
    """The core's sources as the native build compiles them."""
    with open(os.path.join(BUILD, "compile_commands.json")) as handle:
        entries = json.load(handle)
    files = set()
    for entry in entries:
        path = os.path.relpath(entry["file"], ROOT)
        if path.startswith(("tests", "build", "..")) or path in NOT_MUTATED:
            continue
        files.add(path)
    return sorted(files)


def candidates(path):
    """(offset, original, replacement) for every change this file allows."""
    with open(os.path.join(ROOT, path)) as handle:
        text = handle.read()
    # Blank out what is skipped, keeping offsets.
    blanked = SKIPPED.sub(lambda m: " " * len(m.group(0)), text)
    found = []
    for match in TOKEN.finditer(blanked):
        token = match.group(0)
        if token.isdigit():
            value = int(token)
            options = [str(value + 1)] + ([str(value - 1)] if value > 0 else [])
        else:
            options = REPLACEMENTS.get(token, [])
        # A template's brackets are taken for comparisons too: the compiler
        # rejects those changes, and they are not counted.
        for option in options:
            found.append((match.start(), token, option))
    return text, found


def run(command, timeout):
    try:
        return subprocess.run(command, cwd=BUILD, stdout=subprocess.DEVNULL,
                              stderr=subprocess.DEVNULL, timeout=timeout).returncode
    except subprocess.TimeoutExpired:
        return "timeout"


def build():
    targets = ["--target"] + [os.path.basename(p) for p in TEST_PROGRAMS]
    return run(["cmake", "--build", ".", "-j", "2"] + targets, 600) == 0


def tests_pass():
    for program in TEST_PROGRAMS:
        # An endless loop is a caught fault too.
        if run([os.path.join(BUILD, program), "--gtest_fail_fast", "--gtest_brief=1"], 120) != 0:
            return False
    return True


def line_of(text, offset):
    start = text.rfind("\n", 0, offset) + 1
    end = text.find("\n", offset)
    return text.count("\n", 0, offset) + 1, text[start:end].strip()


def load_equivalents():
    """Lines "path|line text|original|replacement|why" of changes judged harmless;
    a "|" inside a field is written "\\|"."""
    known = {}
    if os.path.exists(EQUIVALENTS):
        with open(EQUIVALENTS) as handle:
            for line in handle:
                if line.strip() and not line.startswith("#"):
                    # "\\|" stands for a "|" inside a field ("||" is written "\\|\\|").
                    fields = [field.replace("\\|", "|") for field in
                              re.split(r"(?<!\\)\|", line.rstrip("\n"), maxsplit=4)]
                    path, code, original, replacement, why = fields
                    known[(path, code.strip(), original, replacement)] = why
    return known


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--count", type=int, default=100)
    parser.add_argument("--seed", type=int, default=1)
    parser.add_argument("--files", nargs="*")
    arguments = parser.parse_args()

    copy_checkout()
    subprocess.run(["cmake", "--preset", "native", "-B", BUILD], cwd=ROOT, check=True,
                   stdout=subprocess.DEVNULL)
    if not build() or not tests_pass():
        sys.exit("the unchanged code does not build or pass its tests in build/mutation")

    files = arguments.files or portable_sources()
    pool = []
    for path in files:
        text, found = candidates(path)
        pool += [(path, offset, original, replacement) for offset, original, replacement in found]
    random.Random(arguments.seed).shuffle(pool)
    equivalents = load_equivalents()

    caught = survived = uncompilable = 0
    survivors, harmless = [], []
    started = time.time()
    for path, offset, original, replacement in pool:
        if caught + survived >= arguments.count:
            break
        source = os.path.join(ROOT, path)
        with open(source) as handle:
            text = handle.read()
        mutated = text[:offset] + replacement + text[offset + len(original):]
        number, code = line_of(text, offset)
        try:
            with open(source, "w") as handle:
                handle.write(mutated)
            if not build():
                outcome = "does not compile"
                uncompilable += 1
            elif not tests_pass():
                outcome = "caught"
                caught += 1
            elif (path, code, original, replacement) in equivalents:
                outcome = "harmless"
                why = equivalents[(path, code, original, replacement)]
                harmless.append((path, number, code, original, replacement, why))
            else:
                outcome = "SURVIVED"
                survived += 1
                survivors.append((path, number, code, original, replacement))
        finally:
            with open(source, "w") as handle:
                handle.write(text)
        print(f"[{caught + survived}/{arguments.count}] {path}:{number} "
              f"{original!r} -> {replacement!r}: {outcome}", flush=True)
    print(f"\n{len(files)} files, seed {arguments.seed}, {time.time() - started:.0f} s")
    print(f"uncompilable changes (not counted): {uncompilable}")
    print(f"changes judged harmless (scripts/mutation_equivalents.txt): {len(harmless)}")
    for path, number, code, original, replacement, why in harmless:
        print(f"  {path}:{number}  {original!r} -> {replacement!r}  {code}\n      {why}")
    total = caught + survived
    score = caught / total if total else 0.0
    print(f"caught {caught} of {total} changes that can change behaviour: score {score:.2f}")
    for path, number, code, original, replacement in survivors:
        print(f"  SURVIVED {path}:{number}  {original!r} -> {replacement!r}  {code}")


if __name__ == "__main__":
    main()
