#!/usr/bin/env python3
"""Prints the build targets of the tests labelled "threads" in a configured
build folder, so that `make test-tsan` builds only what it runs. A test's
target is the program its command runs (every program is named after its
target), read from the CTestTestfile.cmake files, which name it also before
it is built."""
import json
import os
import re
import subprocess
import sys

build = sys.argv[1]
listing = json.loads(subprocess.run(["ctest", "--show-only=json-v1"], cwd=build, check=True,
                                    capture_output=True, text=True).stdout)
threaded = set()
for test in listing.get("tests", []):
    for prop in test.get("properties", []):
        if prop.get("name") == "LABELS" and "threads" in prop.get("value", []):
            threaded.add(test["name"])

programs = {}
pattern = re.compile(r'^add_test\(\[=\[(.+?)\]=\] "([^"]+)"')
for folder, _, files in os.walk(build):
    if "CTestTestfile.cmake" in files:
        with open(os.path.join(folder, "CTestTestfile.cmake"), encoding="utf-8") as testfile:
            for line in testfile:
                match = pattern.match(line)
                if match:
                    programs[match.group(1)] = os.path.basename(match.group(2))

if not threaded:
    sys.exit("no test is labelled threads in " + build)
missing = sorted(threaded - programs.keys())
if missing:
    sys.exit("no program found for " + " ".join(missing))
print(" ".join(sorted({programs[name] for name in threaded})))
