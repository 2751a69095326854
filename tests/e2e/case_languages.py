#!/usr/bin/python3
"""One language (QUENROW_E2E_LANGUAGE, a .ts file's name) chosen from the
menu: the home page and, after a scan of the sample backup, the scan-result
page show no text of the program in English. A shown text fails when it is
the English source of a text the language's .ts file translates otherwise,
or, in a language not written in Latin letters, when it is an English word
that languages_allowlist.txt does not name."""
import os
import re
import sys
import xml.etree.ElementTree as ET

from case_language import choose_language
from flows import plain_backup
from harness import check, run_case, wait_until, walk
from home import LANGUAGES

SOURCE_DIR = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
FILES = ["en-us", "it-it", "ru-ru", "de-de", "fr-fr", "es-es", "pt-pt", "ja-ja", "zh-cn", "zh-tw"]
LANGUAGE = os.environ.get("QUENROW_E2E_LANGUAGE", "de-de")
NON_LATIN = LANGUAGE in ("ru-ru", "ja-ja", "zh-cn", "zh-tw")
TEXT_ROLES = {"label", "push button", "page tab", "list item", "table column header", "check box", "radio button",
              "menu item", "heading", "combo box", "toggle button"}
ENGLISH_WORD = re.compile(r"[A-Za-z]{3,}")


def translations(name):
    """{(context, source): translation} of resources/translations/<name>.ts;
    a numerus message gives its first form."""
    root = ET.parse(os.path.join(SOURCE_DIR, "resources", "translations", name + ".ts")).getroot()
    found = {}
    for context in root.iter("context"):
        for message in context.iter("message"):
            translation = message.find("translation")
            forms = [form.text or "" for form in translation.iter("numerusform")]
            found[(context.findtext("name"), message.findtext("source"))] = \
                forms[0] if forms else (translation.text or "")
    return found


def allowlist():
    """Words that stay English (names, the sample's data), one per line
    before its reason."""
    words = set()
    with open(os.path.join(os.path.dirname(os.path.abspath(__file__)), "languages_allowlist.txt"),
              encoding="utf-8") as file:
        for line in file:
            line = line.split("#", 1)[0].strip()
            if line:
                words.add(line)
    return words


def shown_texts(app):
    """(role, text) of what every window shows now."""
    texts = set()
    for frame in app.frames():
        for node in walk(frame):
            try:
                role = node.getRoleName()
                if role in TEXT_ROLES:
                    for text in (node.name, node.description):
                        if text and text.strip():
                            texts.add((role, text.strip()))
            except Exception:
                continue
    return texts


def english_left(app, ts, allowed):
    """The shown texts that are still English."""
    # A source that some context keeps as it is ("Notes" in French) may be
    # that context's text.
    kept = {source for (_, source), text in ts.items() if text == source}
    untranslated = {source for (_, source), text in ts.items() if text != source} - kept
    found = []
    for role, text in sorted(shown_texts(app)):
        if text in untranslated:
            found.append("%s %r" % (role, text))
        elif NON_LATIN:
            words = [word for word in ENGLISH_WORD.findall(text) if word not in allowed]
            if words:
                found.append("%s %r (%s)" % (role, text, ", ".join(words)))
    return found


def body(session):
    ts = translations(LANGUAGE)
    tr = lambda source, context="QObject": ts[(context, source)]
    allowed = allowlist()
    root = os.path.join(session.work, "backups")
    os.makedirs(root)
    plain_backup(session, root, "Sample phone", 700000000)
    app = session.start_quenrow(env={"QUENROW_ITUNES_BACKUP_ROOT": root,
                                     "QUENROW_DATA_ROOT": os.path.join(session.work, "data")})
    window = app.window()
    if LANGUAGE != "en-us":
        choose_language(session, app, window, LANGUAGES[FILES.index(LANGUAGE)])
    app.find(window, "label", tr("Recover Your Data from iOS Device Completely"), timeout=20)
    session.shot("home")
    left = english_left(app, ts, allowed)
    check(not left, "the home page shows English: " + "; ".join(left))

    app.press(app.find(window, "push button", tr("Recover Data from iTunes Backup")))
    table = app.find(window, "table", tr("iTunes backups"))
    wait_until(lambda: table.queryTable().nRows == 1, 20, "the backup listed")
    app.press(app.find(window, "push button", tr("Next")))
    app.press(app.find(window, "push button", tr("Start Scan")))

    def result_box():
        for frame in app.frames():
            for node in walk(frame):
                try:
                    if node.getRoleName() == "push button" and node.name == tr("OK"):
                        return frame, node
                except Exception:
                    continue
        return None

    box, ok = wait_until(result_box, 120, "the end of the scan")
    session.shot("result")
    left = english_left(app, ts, allowed)
    check(not left, "the scan result shows English: " + "; ".join(left))
    app.press(ok)


if __name__ == "__main__":
    sys.exit(run_case("lang-" + LANGUAGE, body))
