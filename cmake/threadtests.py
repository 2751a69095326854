#!/usr/bin/env python3
"""Prints the build targets of the tests labelled "threads" in a configured
build folder, so that `make test-tsan` builds only what it runs. A test
added with quenrow_add_test is named after its executable's target."""
import json
import subprocess
import sys

build = sys.argv[1]
listing = json.loads(subprocess.run(["ctest", "--show-only=json-v1"], cwd=build, check=True,
                                    capture_output=True, text=True).stdout)
targets = []
for test in listing.get("tests", []):
    labels = []
    for prop in test.get("properties", []):
        if prop.get("name") == "LABELS":
            labels = prop.get("value", [])
    if "threads" in labels:
        targets.append(test["name"])
if not targets:
    sys.exit("no test is labelled threads in " + build)
print(" ".join(sorted(set(targets))))
