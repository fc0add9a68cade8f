#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Which test covers what: runs every test function (every data row of a table) of a
coverage build alone and reports, per function and per row, the lines of the code outside
tests/ that it covers and that no other function or row covers.

A row or function that covers nothing on its own is a candidate for merging or dropping;
whether it may go is decided by the planted-fault run (tools/planted-faults.sh), which knows
about checks that coverage cannot see.

Tests that are not Qt Test programs (the footage evaluations) count as one unit each.

Usage: tools/test-attribution.py [-b build-coverage] [-R regex] [--rows] [-o report.json]
  The build must be the one tools/coverage.sh makes (run that first).
  -R      only CTest tests whose name matches
  --rows  run each data row alone (slower); otherwise each test function
Prints one line per function: covered lines, lines only it covers, seconds; with --rows the
rows follow their function. The JSON report keeps the unique lines themselves.
"""
import argparse
import json
import os
import re
import subprocess
import sys
import time
from collections import defaultdict

SOURCE = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))


def ctest_tests(build, regex):
    out = subprocess.run(["ctest", "--test-dir", build, "--show-only=json-v1"],
                         check=True, capture_output=True, text=True).stdout
    tests = []
    for t in json.loads(out)["tests"]:
        if regex and not re.search(regex, t["name"]):
            continue
        if "command" not in t:
            continue
        env, cwd = {}, build
        for prop in t.get("properties", []):
            if prop["name"] == "ENVIRONMENT":
                for item in prop["value"]:
                    key, _, value = item.partition("=")
                    env[key] = value
            elif prop["name"] == "WORKING_DIRECTORY":
                cwd = prop["value"]
        tests.append((t["name"], t["command"], env, cwd))
    return tests


def units_of(command, env, cwd, rows):
    """Test functions (or function:row) of a Qt Test executable."""
    run_env = dict(os.environ, **env)
    flag = "-datatags" if rows else "-functions"
    out = subprocess.run(command + [flag], capture_output=True, text=True, env=run_env,
                         cwd=cwd).stdout
    units = []
    for line in out.splitlines():
        line = line.strip()
        if not line:
            continue
        if rows:
            # "<testcase> <function> [<row>]"; the row may hold spaces.
            parts = line.split(" ", 2)
            if len(parts) < 2:
                continue
            units.append(parts[1] + (":" + parts[2] if len(parts) == 3 else ""))
        elif line.endswith("()"):
            units.append(line[:-2])
    return [u for u in units if u.split(":")[0] not in ("initTestCase", "cleanupTestCase")]


def covered_lines(build):
    """(file, line) pairs with a count, from every counter file of the build."""
    gcdas = []
    for root, _, files in os.walk(build):
        gcdas += [os.path.join(root, f) for f in files if f.endswith(".gcda")]
    lines = set()
    if not gcdas:
        return lines
    out = subprocess.run(["gcov", "-j", "-t"] + gcdas, capture_output=True, text=True,
                         cwd=build).stdout
    decoder = json.JSONDecoder()
    pos = 0
    while pos < len(out):
        while pos < len(out) and out[pos].isspace():
            pos += 1
        if pos >= len(out):
            break
        doc, pos = decoder.raw_decode(out, pos)
        for f in doc.get("files", []):
            name = os.path.normpath(os.path.join(build, f["file"]))
            if not name.startswith(SOURCE + "/"):
                continue
            rel = name[len(SOURCE) + 1:]
            if rel.startswith(("tests/", "build")):
                continue
            for ln in f["lines"]:
                if ln["count"] > 0:
                    lines.add((rel, ln["line_number"]))
    return lines


def clear_counters(build):
    for root, _, files in os.walk(build):
        for f in files:
            if f.endswith(".gcda"):
                os.remove(os.path.join(root, f))


def main():
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument("-b", "--build", default=os.path.join(SOURCE, "build-coverage"))
    ap.add_argument("-R", "--regex", default="")
    ap.add_argument("--rows", action="store_true")
    ap.add_argument("-o", "--output", default="")
    args = ap.parse_args()
    build = os.path.abspath(args.build)

    covered = {}
    seconds = {}
    for name, command, env, cwd in ctest_tests(build, args.regex):
        # Other tests (the footage evaluations) run whole, as one unit.
        qt_test = os.path.basename(command[0]).startswith("tst_")
        for unit in units_of(command, env, cwd, args.rows) if qt_test else ["(whole)"]:
            clear_counters(build)
            start = time.time()
            run_env = dict(os.environ, **env)
            result = subprocess.run(command + ([unit] if qt_test else []), capture_output=True,
                                    text=True, env=run_env, cwd=cwd, timeout=600)
            seconds[(name, unit)] = time.time() - start
            if result.returncode not in (0, 77):
                print(f"warning: {name} {unit} failed alone", file=sys.stderr)
            covered[(name, unit)] = covered_lines(build)
            print(f"  ran {name} {unit}: {len(covered[(name, unit)])} lines", file=sys.stderr)

    owners = defaultdict(set)
    for key, lines in covered.items():
        for line in lines:
            owners[line].add(key)

    def function_of(key):
        return (key[0], key[1].split(":")[0])

    function_owners = defaultdict(set)
    for line, keys in owners.items():
        function_owners[line] = {function_of(k) for k in keys}

    report = []
    by_function = defaultdict(list)
    for key in covered:
        by_function[function_of(key)].append(key)
    for function, keys in by_function.items():
        lines = set().union(*(covered[k] for k in keys))
        only = sorted(line for line in lines if function_owners[line] == {function})
        entry = {"test": function[0], "function": function[1], "lines": len(lines),
                 "unique": len(only), "unique_lines": only,
                 "seconds": round(sum(seconds[k] for k in keys), 2), "rows": []}
        if args.rows:
            for key in keys:
                row_only = sorted(line for line in covered[key] if owners[line] == {key})
                entry["rows"].append({"row": key[1].partition(":")[2], "lines": len(covered[key]),
                                      "unique": len(row_only), "unique_lines": row_only})
        report.append(entry)
        print(f"{function[0]:<26} {function[1]:<44} {len(lines):>5} {len(only):>5} "
              f"{entry['seconds']:>6.1f}s")
        for row in entry["rows"]:
            print(f"{'':<28}{row['row'][:42]:<44} {row['lines']:>5} {row['unique']:>5}")
    total = set().union(*covered.values()) if covered else set()
    print(f"{len(total)} lines covered by {len(covered)} runs")
    if args.output:
        with open(args.output, "w") as out:
            json.dump(report, out, indent=1)


if __name__ == "__main__":
    main()
