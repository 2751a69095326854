#!/usr/bin/env python3
"""Checks the program's .ts files: up to date with the code, and complete.

check_translations.py LUPDATE SOURCE_DIR WORK_DIR

1. lupdate runs on copies of the files; any message it would add, drop or
   change fails (a text added to the code without a translation, or a
   translation left behind). `make translations` brings the files up to date.
2. Every message of every file is finished and not empty, keeps the source's
   placeholders (%1 ... %99, %n), line breaks and "<br>", and a numerus
   message has as many forms as its language has.
"""
import re
import shutil
import subprocess
import sys
import xml.etree.ElementTree as ET
from pathlib import Path

LANGUAGES = ["en-us", "it-it", "ru-ru", "de-de", "fr-fr", "es-es", "pt-pt", "ja-ja", "zh-cn", "zh-tw"]
# Forms of a numerus message, by the first part of the file's language.
PLURAL_FORMS = {"ru": 3, "ja": 1, "zh": 1}
PLACEHOLDER = re.compile(r"%(?:n|L?[1-9][0-9]?)")


def messages(path):
    """(context, source, comment, numerus) -> message element, and the root."""
    root = ET.parse(path).getroot()
    found = {}
    for context in root.iter("context"):
        name = context.findtext("name") or ""
        for message in context.iter("message"):
            key = (name, message.findtext("source") or "", message.findtext("comment") or "",
                   message.get("numerus") == "yes")
            found[key] = message
    return root, found


def describe(key):
    context, source, comment, numerus = key
    text = f'{context}: "{source}"'
    if comment:
        text += f' ({comment})'
    return text + (" [numerus]" if numerus else "")


def check_up_to_date(lupdate, source_dir, work_dir, problems):
    copies = work_dir / "lupdate"
    shutil.rmtree(copies, ignore_errors=True)
    copies.mkdir(parents=True)
    files = []
    for language in LANGUAGES:
        copy = copies / f"{language}.ts"
        shutil.copy(source_dir / "resources" / "translations" / f"{language}.ts", copy)
        files.append(str(copy))
    run = subprocess.run([lupdate, "-no-obsolete", "-locations", "none", "-recursive",
                          str(source_dir / "app"), "-ts", *files],
                         cwd=source_dir, capture_output=True, text=True)
    if run.returncode != 0:
        problems.append(f"lupdate failed:\n{run.stdout}{run.stderr}")
        return
    for language in LANGUAGES:
        _, before = messages(source_dir / "resources" / "translations" / f"{language}.ts")
        _, after = messages(copies / f"{language}.ts")
        for key in sorted(after.keys() - before.keys()):
            problems.append(f"{language}.ts: not in the file yet: {describe(key)}")
        for key in sorted(before.keys() - after.keys()):
            problems.append(f"{language}.ts: no longer in the code: {describe(key)}")
        for key in sorted(before.keys() & after.keys()):
            if (before[key].findtext("extracomment") or "") != (after[key].findtext("extracomment") or ""):
                problems.append(f"{language}.ts: translator comment changed: {describe(key)}")


def forms_of(message):
    translation = message.find("translation")
    if translation is None:
        return None, []
    if message.get("numerus") == "yes":
        return translation, [form.text or "" for form in translation.iter("numerusform")]
    return translation, [translation.text or ""]


def kept(source, text):
    """What of the source a translation must keep, and what it lost."""
    lost = []
    wanted = sorted(set(PLACEHOLDER.findall(source)))
    have = sorted(set(PLACEHOLDER.findall(text)))
    if wanted != have:
        lost.append(f"placeholders {wanted} became {have}")
    for mark in ("<br>", "\n"):
        if source.count(mark) != text.count(mark):
            lost.append(f"{mark!r} {source.count(mark)} times, translated {text.count(mark)} times")
    return lost


def check_complete(source_dir, problems):
    for language in LANGUAGES:
        path = source_dir / "resources" / "translations" / f"{language}.ts"
        root, found = messages(path)
        expected_forms = PLURAL_FORMS.get((root.get("language") or "")[:2], 2)
        for key, message in found.items():
            where = f"{language}.ts: {describe(key)}"
            translation, forms = forms_of(message)
            if translation is None:
                problems.append(f"{where}: no translation element")
                continue
            state = translation.get("type")
            if state in ("unfinished", "vanished", "obsolete"):
                problems.append(f"{where}: {state}")
            if key[3] and len(forms) != expected_forms:
                problems.append(f"{where}: {len(forms)} plural forms, the language has {expected_forms}")
            for form in forms:
                if not form.strip():
                    problems.append(f"{where}: empty translation")
                    continue
                for lost in kept(key[1], form):
                    problems.append(f"{where}: {lost}")


def main():
    if len(sys.argv) != 4:
        sys.exit(__doc__)
    lupdate, source_dir, work_dir = sys.argv[1], Path(sys.argv[2]), Path(sys.argv[3])
    problems = []
    check_up_to_date(lupdate, source_dir, work_dir, problems)
    check_complete(source_dir, problems)
    for problem in problems:
        print(problem)
    if problems:
        print(f"{len(problems)} problem(s); `make translations` updates the files from the code")
        sys.exit(1)
    print("translations: up to date and complete")


if __name__ == "__main__":
    main()
