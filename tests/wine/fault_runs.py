#!/usr/bin/env python3
"""Fault runs of vantiro.exe under Wine, on the shared virtual display.

    fault_runs.py run CASE     one case; exits 0 when it passes
    fault_runs.py list         the case names, one a line

Runs that go wrong on purpose: a program that crashes, a program command line
as long as Windows lets one be, a -monitor that names no device, a forced mode
that the platform refuses. After each, the display must be in the mode it
should be in. Built on the Wine suite's helpers and prefix (wine_suite.py),
with the same environment.
"""

import sys

import wine_suite as suite
from wine_suite import BASELINE, check, check_equal, expect, probe_command, read_probe

CHANGE_FAILED_NOTICE = "An error occurred when changing display resolution."
# Windows takes command lines of up to 32,767 characters, the terminator
# included; vantiro.exe's own line holds the program's and the switches.
WINDOWS_LINE_LIMIT = 32767

CASES = {}


def case(function):
    CASES[function.__name__] = function
    return function


def fresh_record(name):
    record = suite.RUNS / name
    record.unlink(missing_ok=True)
    return record


def without_crash_dialog():
    """Wine's debugger reports a crash in a dialog that waits for a user; with
    it off, the crashed program ends as it does on Windows without one."""
    status, _, err = suite.run_process(
        ["wine", "reg", "add", r"HKCU\Software\Wine\WineDbg", "/v", "ShowCrashDialog",
         "/t", "REG_DWORD", "/d", "0", "/f"], suite.WINE_RUN_TIMEOUT,
        env=suite.wine_environment(), log_name="no-crash-dialog")
    check(status == 0, f"wine reg failed: {err.decode(errors='replace')}")


@case
def fault_program_crashes():
    without_crash_dialog()
    suite.set_baseline()
    record = fresh_record("crashing-program.record")
    command = "vantiro_crashing_program.exe " + suite.quoted(suite.windows_path(record))
    expect(f"-width=800 -height=600 -refresh=75 {command}", 0, [], BASELINE)
    check(record.exists(), "the crashing program did not run")


@case
def fault_program_command_line_at_the_windows_limit():
    suite.set_baseline()
    record = fresh_record("longest-command-line.probe")
    switches = "-width=800 -height=600 "
    start = probe_command(record, "0") + " "
    room = WINDOWS_LINE_LIMIT - 1 - len("vantiro.exe ") - len(switches) - len(start)
    command = start + "x" * room
    expect(switches + command, 0, [], BASELINE)
    probe = read_probe(record)
    check_equal(probe["command-line"], command, "command line that the program got")
    check_equal(probe["mode"], "800 600 32 60", "mode that the program saw")


@case
def fault_monitor_names_no_device():
    suite.set_baseline()
    record = fresh_record("no-device.probe")
    command = probe_command(record)
    # A device that does not exist offers no mode; forced, its change fails.
    expect(f"-monitor=\\\\.\\DISPLAY9 -width=800 -height=600 {command}", 2,
           [suite.NOT_SUPPORTED_NOTICE], BASELINE)
    expect(f"-monitor=\\\\.\\DISPLAY9 -width=800 -height=600 -force {command}", 5,
           [CHANGE_FAILED_NOTICE], BASELINE)
    expect(f"-monitor=\\\\.\\DISPLAY9 -width=max -force -test -quiet {command}", 5, [],
           BASELINE)
    check(not record.exists(), "a program was started for a device that does not exist")


@case
def fault_forced_mode_refused():
    suite.set_baseline()
    expect("-width=800 -height=600 -refresh=75 -quiet", 0, [], (800, 600, 75))
    record = fresh_record("refused-mode.probe")
    command = probe_command(record)
    expect(f"-width=1000 -height=700 -force {command}", 2, [suite.BAD_MODE_NOTICE],
           (800, 600, 75))
    expect(f"-width=800 -height=600 -refresh=61 -force -quiet {command}", 2, [],
           (800, 600, 75))
    check(not record.exists(), "a program was started after a refused change")


def main(arguments):
    if arguments == ["list"]:
        print("\n".join(CASES))
        return 0
    if len(arguments) != 2 or arguments[0] != "run" or arguments[1] not in CASES:
        print(__doc__, file=sys.stderr)
        return 2
    try:
        suite.configure()
        CASES[arguments[1]]()
    except suite.Failure as failure:
        print(f"FAILED: {failure}", file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
