#!/usr/bin/env python3
"""Fault runs of the native vantiro on the virtual X display.

    fault_runs.py --vantiro PATH --probe PATH --display-env FILE [TestClass ...]

Runs that go wrong on purpose: a program command line of 40,000 characters,
programs that die badly, a -monitor that names no device, a forced mode the
server refuses, signals in a row. After each, the display must be in the mode
it should be in. Built on the x11 suite's helpers (x11_suite.py).
"""

import os
import signal
import subprocess
import time

import x11_suite
from x11_suite import COMMAND_TIMEOUT, WAIT_STEP, read_screen

LONG_LINE = 40000  # characters in the program command line
MISSING_DEVICE = "\\\\.\\NO-SUCH-OUTPUT"
NOT_FOUND = "Unable to find specified file. The command line is:\n"


class FaultRunTest(x11_suite.VirtualDisplayTest):
    """From a mode that is neither the server's first nor the one asked for."""

    baseline = (1024, 768, 60)

    def write_script(self, name, text):
        path = self.work / name
        path.write_text("#!/bin/sh\n" + text)
        path.chmod(0o755)
        return "./" + name

    def test_program_command_line_of_40000_characters_reaches_the_program_whole(self):
        argument = "x" * (LONG_LINE - len(self.probe) - 1)
        status, text, _ = self.run_vantiro("-width=800", "-height=600", self.probe, argument)
        self.assertEqual((status, text), (0, ""))
        self.assertEqual(self.probe_arguments(), [argument])
        self.assertEqual(self.probe_seen_mode(), "mode 800x600@60 screen 800x600")
        self.assert_display_unchanged()

    def test_missing_program_with_a_40000_character_line_is_named_whole(self):
        program = "./no-such-program"
        argument = "y" * (LONG_LINE - len(program) - 1)
        status, text, _ = self.run_vantiro("-width=800", "-height=600", program, argument)
        self.assertEqual(status, 6)
        self.assertEqual(text, NOT_FOUND + program + " " + argument + "\n")
        self.assert_display_unchanged()

    def test_program_that_dies_badly_is_waited_for_and_the_display_returns(self):
        cases = [
            ("killed", "kill -KILL $$\n"),
            ("aborted", "kill -ABRT $$\n"),
            ("failing", "exit 255\n"),
            ("leaving_a_child", "sleep 60 >/dev/null 2>&1 &\necho $! > child.pid\n"),
        ]
        for name, script in cases:
            with self.subTest(program=name):
                program = self.write_script(name, script)
                status, text, _ = self.run_vantiro("-width=800", "-height=600", "-refresh=75",
                                                   program)
                self.assertEqual((status, text), (0, ""))
                self.assert_display_unchanged()
        child = self.work / "child.pid"
        if child.exists():
            x11_suite.end_process(int(child.read_text()))

    def test_monitor_naming_no_device_leaves_the_primary_display_alone(self):
        # The device has no modes, so nothing fits; a forced mode is refused.
        cases = [
            (("-width=800", "-height=600"), 2),
            (("-width=800", "-height=600", "-force"), 5),
            (("-width=800", "-height=600", "-force", "-test"), 5),
            (("-width=max", "-force", "-quiet"), 5),
        ]
        for arguments, expected_status in cases:
            with self.subTest(arguments=arguments):
                status, _, _ = self.run_vantiro("-monitor=" + MISSING_DEVICE, *arguments,
                                                self.probe)
                self.assertEqual(status, expected_status)
                self.assertIsNone(self.probe_report())
                self.assert_display_unchanged()

    def test_forced_mode_refused_after_a_stored_switch_keeps_the_stored_mode(self):
        self.assertEqual(self.run_vantiro("-width=800", "-height=600", "-refresh=75"),
                         (0, "", ""))
        for arguments in (("-width=1000", "-height=700", "-force"),
                          ("-width=800", "-height=600", "-refresh=61", "-force", "-quiet"),
                          ("-width=1000", "-height=700", "-force", "-quiet", self.probe)):
            with self.subTest(arguments=arguments):
                self.assertEqual(self.run_vantiro(*arguments)[0], 2)
                self.assertIsNone(self.probe_report())
                self.assert_display_is(800, 600, 75)

    def test_signals_in_a_row_all_reach_the_program_and_the_display_returns(self):
        environment = x11_suite.x_environment(VANTIRO_PROBE_REPORT=str(self.report_path),
                                              VANTIRO_PROBE_ACTION="wait")
        process = subprocess.Popen([x11_suite.OPTIONS.vantiro, "-width=800", "-height=600",
                                    self.probe], env=environment, cwd=self.work,
                                   stdout=subprocess.PIPE)
        self.addCleanup(x11_suite.end_process, process.pid)
        deadline = time.monotonic() + COMMAND_TIMEOUT
        while "ready" not in (self.probe_report() or []):
            if process.poll() is not None or time.monotonic() > deadline:
                process.kill()
                process.communicate(timeout=COMMAND_TIMEOUT)
                self.fail("the program did not get ready to wait for signals")
            time.sleep(WAIT_STEP)
        self.assertEqual(read_screen().summary(), ((800, 600, 60), (800, 600)))
        os.kill(process.pid, signal.SIGTERM)
        os.kill(process.pid, signal.SIGHUP)
        output, _ = process.communicate(timeout=COMMAND_TIMEOUT)
        self.assertEqual((process.returncode, output), (0, b""))
        received = sorted(int(line.split()[1]) for line in self.probe_report()
                          if line.startswith("signal "))
        self.assertEqual(received, sorted([signal.SIGHUP, signal.SIGTERM]))
        self.assert_display_unchanged()


if __name__ == "__main__":
    x11_suite.main()
