#!/usr/bin/env python3
"""Turns the results of scripts/bench.sh into one short markdown table.

  summarise.py RESULTS_DIR [--doc DOC]

RESULTS_DIR holds what bench.sh wrote: memory.json (Google Benchmark, with
repetitions and aggregates), x11.json and wine.json (hyperfine), context.txt
("key=value" lines) and, for a part that could not run, <part>.skipped with
the reason. The table goes to RESULTS_DIR/benchmarks.md; with --doc it also
replaces the part of DOC between the "latest results" markers.

Exits 1 when a benchmark failed its own check (an enumeration call count, a
catalogue size), 0 otherwise; a missed target is reported, not failed.
"""

import json
import math
import re
import sys
from pathlib import Path

FLOOR = "SortAndDeduplicateFloor"
FAMILIES = {
    "Catalogue": "catalogue (enumerate, sort, de-duplicate)",
    "CatalogueAndSelection": 'catalogue + selection ("max" width, height, rate)',
    "ModeReport": "mode report (`-listmodes` text)",
}
# The families and mode counts that the targets name.
RATIO_TARGET = 1.5
TARGET_FAMILIES = ("Catalogue", "CatalogueAndSelection")
TARGET_COUNTS = (10_000, 1_000_000)

BEGIN_MARKER = "<!-- latest results: begin (written by scripts/bench.sh) -->"
END_MARKER = "<!-- latest results: end -->"

UNIT_SECONDS = {"ns": 1e-9, "us": 1e-6, "ms": 1e-3, "s": 1.0}


def duration(seconds):
    for unit, scale in (("s", 1.0), ("ms", 1e-3), ("µs", 1e-6)):
        if seconds >= scale:
            return f"{seconds / scale:.3g} {unit}"
    return f"{seconds / 1e-9:.3g} ns"


def count_text(count):
    return f"{count:,}"


def read_context(results):
    context = {}
    path = results / "context.txt"
    if path.exists():
        for line in path.read_text().splitlines():
            key, _, value = line.partition("=")
            context[key.strip()] = value.strip()
    return context


def skipped_reason(results, part):
    path = results / f"{part}.skipped"
    return path.read_text().strip() if path.exists() else None


def memory_medians(data):
    """{family: {count: median CPU seconds}}, and the failed runs' messages."""
    medians, failures = {}, []
    for run in data["benchmarks"]:
        family, _, args = run["run_name"].partition("/")
        if run.get("error_occurred"):
            failures.append(f"{run['run_name']}: {run.get('error_message', 'failed')}")
            continue
        if run.get("run_type") == "aggregate" and run.get("aggregate_name") != "median":
            continue
        if not args.isdigit():
            continue
        seconds = run["cpu_time"] * UNIT_SECONDS[run["time_unit"]]
        medians.setdefault(family, {})[int(args)] = seconds
    return medians, sorted(set(failures))


def n_log_n_growth(low, high):
    return (high * math.log2(high)) / (low * math.log2(low))


MEMORY_INTRO = [
    "Median CPU time per run over the in-memory platform, each enumerated mode reported",
    "twice (different display flags, shuffled); the floor copies, sorts and de-duplicates",
    "the same records with the standard library alone.",
]
HUGE_PAGES_INTRO = [
    "The same at 10,000 and 1,000,000 modes with `GLIBC_TUNABLES=glibc.malloc.hugetlb=1`:",
    "malloc asks for transparent huge pages, which takes most first-touch page faults out.",
]


def memory_section(results, part="memory", intro=MEMORY_INTRO, with_targets=True):
    reason = skipped_reason(results, part)
    if reason:
        return [f"In-memory benchmarks ({part}): not run ({reason}).", ""], []
    data = json.loads((results / f"{part}.json").read_text())
    medians, failures = memory_medians(data)
    floor = medians.get(FLOOR, {})
    counts = sorted(floor)
    lines = [
        *intro,
        "",
        "| Work | " + " | ".join(f"{count_text(c)} modes" for c in counts) + " |",
        "|---|" + "---|" * len(counts),
        "| floor: copy, `std::sort`, `std::unique` | "
        + " | ".join(duration(floor[c]) for c in counts) + " |",
    ]
    verdicts = []
    for family, title in FAMILIES.items():
        cells = []
        for count in counts:
            ours = medians.get(family, {}).get(count)
            if ours is None:
                cells.append("failed")
                continue
            ratio = ours / floor[count]
            cell = f"{duration(ours)} (×{ratio:.2f})"
            if with_targets and family in TARGET_FAMILIES and count in TARGET_COUNTS:
                met = ratio <= RATIO_TARGET
                cell += " ✓" if met else " ✗"
                verdicts.append((family, count, ratio, met))
            cells.append(cell)
        lines.append(f"| {title} | " + " | ".join(cells) + " |")
    lines += ["", "(×r: multiple of the floor at the same count"
              + ("; ✓/✗: target ≤ ×1.5.)" if with_targets else ".)"), ""]

    steps = list(zip(counts, counts[1:]))
    if steps:
        lines += [
            "Growth of the median time from one mode count to the next:",
            "",
            "| Work | " + " | ".join(f"{count_text(low)} → {count_text(high)}"
                                    for low, high in steps) + " |",
            "|---|" + "---|" * len(steps),
            "| N log N | " + " | ".join(f"×{n_log_n_growth(low, high):.0f}"
                                      for low, high in steps) + " |",
        ]
        for family in (FLOOR, *FAMILIES):
            times = medians.get(family, {})
            cells = [f"×{times[high] / times[low]:.0f}" if low in times and high in times
                     else "–" for low, high in steps]
            lines.append(f"| {FAMILIES.get(family, 'floor')} | " + " | ".join(cells) + " |")
        lines.append("")
    if failures:
        lines += ["Failed checks:", ""] + [f"- {failure}" for failure in failures] + [""]
    return lines, failures


def hyperfine_medians(path):
    data = json.loads(path.read_text())
    return {result["command"]: result for result in data["results"]}


def process_section(results, part, title, ours_name, note, target_reference=None):
    reason = skipped_reason(results, part)
    if reason:
        return [f"{title}: not run ({reason}).", ""]
    runs = hyperfine_medians(results / f"{part}.json")
    lines = [f"{title} ({note}); hyperfine, wall time of one process:", "",
             "| Command | Median | Min | Mean ± σ | Runs |", "|---|---|---|---|---|"]
    for name, result in runs.items():
        lines.append(f"| `{name}` | {duration(result['median'])} | {duration(result['min'])} | "
                     f"{duration(result['mean'])} ± {duration(result['stddev'])} | "
                     f"{len(result.get('times', []))} |")
    ours = runs.get(ours_name)
    if ours:
        ratios = [f"`{name}` ×{ours['median'] / result['median']:.2f}"
                  for name, result in runs.items() if name != ours_name]
        lines += ["", f"Median of `{ours_name}` as a multiple of: " + ", ".join(ratios) + "."]
        reference = runs.get(target_reference)
        if reference:
            met = ours["median"] <= reference["median"]
            lines.append(f"Target, no slower than `{target_reference}`: "
                         + ("met ✓." if met else "missed ✗."))
    lines.append("")
    return lines


def build_table(results):
    context = read_context(results)
    lines = []
    stamp = ", ".join(f"{key} {context[key]}" for key in ("date", "commit", "cpu", "load")
                      if key in context)
    if stamp:
        lines += [f"Measured: {stamp}.", ""]
    memory_lines, failures = memory_section(results)
    lines += memory_lines
    if (results / "memory-huge-pages.json").exists():
        huge_lines, huge_failures = memory_section(results, "memory-huge-pages",
                                                   HUGE_PAGES_INTRO, with_targets=False)
        lines += huge_lines
        failures += huge_failures
    lines += process_section(
        results, "x11", "Native X11 on Xvfb", context.get("x11_ours", "vantiro"),
        f"{context.get('x11_modes', '?')} RandR modes on the output, "
        f"{context.get('x11_listed', '?')} lines in vantiro's report",
        target_reference="xrandr --query")
    lines += process_section(
        results, "wine", "Windows build under Wine", context.get("wine_ours", "vantiro.exe"),
        "same Xvfb; the floor programs do nothing, or only enumerate the modes")
    return "\n".join(lines).rstrip() + "\n", failures


def update_doc(doc, table):
    text = doc.read_text()
    pattern = re.compile(re.escape(BEGIN_MARKER) + r".*?" + re.escape(END_MARKER), re.S)
    if not pattern.search(text):
        raise SystemExit(f"{doc} has no latest-results markers; table left in the results")
    doc.write_text(pattern.sub(lambda _: f"{BEGIN_MARKER}\n{table}{END_MARKER}", text))


def main(arguments):
    if len(arguments) not in (1, 3) or (len(arguments) == 3 and arguments[1] != "--doc"):
        print(__doc__, file=sys.stderr)
        return 2
    results = Path(arguments[0])
    table, failures = build_table(results)
    (results / "benchmarks.md").write_text(table)
    print(table)
    if len(arguments) == 3:
        update_doc(Path(arguments[2]), table)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
