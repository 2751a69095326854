#!/usr/bin/env python3
"""Gives every unfinished message of en-us.ts its source as translation.

English shows the source texts, except where en-us.ts words one otherwise
(the typo keys) or gives plural forms: those are written by hand and never
touched here. english.py EN_US_TS
"""
import sys
import xml.etree.ElementTree as ET

path = sys.argv[1]
tree = ET.parse(path)
filled = 0
for message in tree.getroot().iter("message"):
    translation = message.find("translation")
    if message.get("numerus") == "yes" or translation is None or translation.get("type") != "unfinished":
        continue
    translation.text = message.findtext("source")
    del translation.attrib["type"]
    filled += 1
if filled:
    # lupdate's own layout, so that its next run changes nothing.
    ET.indent(tree, space="    ")
    with open(path, "wb") as out:
        out.write(b'<?xml version="1.0" encoding="utf-8"?>\n<!DOCTYPE TS>\n')
        tree.write(out, encoding="utf-8", xml_declaration=False)
        out.write(b"\n")
print(f"en-us.ts: {filled} new message(s) show their source")
