#!/usr/bin/env python3
"""End-to-end tests of the native vantiro on the virtual X display.

    x11_suite.py --vantiro PATH --probe PATH [--set-edid PATH] --display-env FILE
                 [TestClass ...]

FILE is the virtual display's env file (DISPLAY=..., VANTIRO_DISPLAY_OUTPUT=...).
Every test starts from a known mode of the display's output and puts it back
afterwards; every process is waited for with a time limit and, should it
outlive a test, ended by its process id. Only Python's standard library is
used.
"""

import argparse
import errno
import fcntl
import os
import pathlib
import pty
import re
import select
import shutil
import signal
import subprocess
import sys
import tempfile
import termios
import time
import unittest

COMMAND_TIMEOUT = 30  # seconds for any one command
WAIT_STEP = 0.05

OPTIONS = argparse.Namespace()
ENVIRONMENT = {}

NOT_SUPPORTED_NOTICE = (
    "The specified display resolution is not supported by your video adapter and monitor. "
    "Use -listmodes to determine the supported resolutions.\n\n"
    "If you want Vantiro to set this resolution anyway, you can pass the -force switch on the "
    "command line.\n\n"
    "Please be aware that you can damage your video adapter or monitor by using an unsupported "
    "resolution. Orvane assumes no responsibility or liability for your use of Vantiro.\n")
BAD_MODE_NOTICE = "The graphics mode is not supported.\n"


def read_display_env(path):
    values = {}
    for line in pathlib.Path(path).read_text().splitlines():
        name, _, value = line.partition("=")
        if name:
            values[name] = value
    return values


def round_rate(hertz):
    return int(hertz + 0.5)


class Mode:
    """One mode of the output as xrandr --verbose shows it."""

    def __init__(self, name, ident, current):
        self.name = name
        self.ident = ident
        self.current = current
        self.width = 0
        self.height = 0
        self.rate = 0

    def key(self):
        return (self.width, self.height, self.rate)

    def __repr__(self):
        return "%dx%d@%d" % self.key()


class ScreenState:
    def __init__(self, size, modes):
        self.size = size  # (width, height) of the screen
        self.modes = modes  # the output's modes in xrandr's order

    def current(self):
        found = [mode for mode in self.modes if mode.current]
        return found[0] if found else None

    def summary(self):
        """What a test compares: the output's mode and the screen size."""
        current = self.current()
        return (current.key() if current else None, self.size)


def read_screen():
    output = ENVIRONMENT["VANTIRO_DISPLAY_OUTPUT"]
    text = subprocess.run(["xrandr", "--verbose"], env=x_environment(), capture_output=True,
                          text=True, check=True, timeout=COMMAND_TIMEOUT).stdout
    size = tuple(int(n) for n in re.search(r"current (\d+) x (\d+)", text).groups())
    modes = []
    in_output = False
    for line in text.splitlines():
        if not line.startswith((" ", "\t")):
            in_output = line.split(" ", 1)[0] == output
            continue
        if not in_output:
            continue
        header = re.match(r"^  (\S+) \((0x[0-9a-f]+)\)\s+[\d.]+MHz(.*)$", line)
        if header:
            modes.append(Mode(header.group(1), header.group(2), "*current" in header.group(3)))
            continue
        if modes:
            width = re.match(r"^\s+h: width\s+(\d+)", line)
            if width:
                modes[-1].width = int(width.group(1))
            vertical = re.match(r"^\s+v: height\s+(\d+).*clock\s+([\d.]+)Hz", line)
            if vertical:
                modes[-1].height = int(vertical.group(1))
                modes[-1].rate = round_rate(float(vertical.group(2)))
    return ScreenState(size, modes)


def set_mode(width, height, rate):
    """Puts the output in the mode of this size and rate, the screen sized to it."""
    for mode in read_screen().modes:
        if mode.key() == (width, height, rate):
            subprocess.run(["xrandr", "--output", ENVIRONMENT["VANTIRO_DISPLAY_OUTPUT"], "--mode",
                            mode.ident], env=x_environment(), check=True,
                           timeout=COMMAND_TIMEOUT)
            return
    raise AssertionError("the display offers no mode %dx%d@%d" % (width, height, rate))


def x_environment(**extra):
    environment = dict(os.environ)
    environment["DISPLAY"] = ENVIRONMENT.get("DISPLAY", "")
    environment.update(extra)
    return environment


def is_alive(pid):
    try:
        state = pathlib.Path("/proc/%d/stat" % pid).read_text().rsplit(")", 1)[1].split()[0]
    except (OSError, IndexError):
        return False
    return state != "Z"


def end_process(pid):
    """Ends a process that outlived its test, by its id."""
    if not is_alive(pid):
        return
    os.kill(pid, signal.SIGKILL)
    deadline = time.monotonic() + COMMAND_TIMEOUT
    while is_alive(pid) and time.monotonic() < deadline:
        time.sleep(WAIT_STEP)


class VirtualDisplayTest(unittest.TestCase):
    """Starts each test from `baseline` and leaves the display in it."""

    baseline = (1920, 1200, 60)

    def setUp(self):
        set_mode(*self.baseline)
        self.before = read_screen().summary()
        self.work = pathlib.Path(tempfile.mkdtemp(prefix="vantiro-x11-"))
        self.report_path = self.work / "probe.report"
        # Started by a relative name: like on Windows, an argument that begins
        # with "/" is a switch, so an absolute path would not name a program.
        (self.work / "probe").symlink_to(OPTIONS.probe)
        self.probe = "./probe"

    def tearDown(self):
        for pid in self.probe_pids():
            end_process(pid)
        shutil.rmtree(self.work, ignore_errors=True)
        set_mode(*self.baseline)

    def run_vantiro(self, *arguments, program=None, env=None, timeout=COMMAND_TIMEOUT):
        """Runs vantiro (as `program` when given) to its end: (status, stdout, stderr)."""
        environment = x_environment(VANTIRO_PROBE_REPORT=str(self.report_path))
        environment.update(env or {})
        completed = subprocess.run([program or OPTIONS.vantiro, *arguments], env=environment,
                                   stdin=subprocess.DEVNULL, capture_output=True,
                                   timeout=timeout, cwd=self.work)
        return (completed.returncode, completed.stdout.decode("utf-8", "surrogateescape"),
                completed.stderr.decode("utf-8", "surrogateescape"))

    def probe_report(self):
        """The probe's lines, or None when it never ran."""
        if not self.report_path.exists():
            return None
        return self.report_path.read_text().splitlines()

    def probe_pids(self):
        return [int(line.split()[1]) for line in self.probe_report() or []
                if line.startswith("pid ")]

    def probe_arguments(self):
        return [bytes.fromhex(line[len("argument "):]).decode("utf-8", "surrogateescape")
                for line in self.probe_report() or [] if line.startswith("argument ")]

    def probe_seen_mode(self):
        seen = [line for line in self.probe_report() or [] if line.startswith("mode ")]
        return seen[0] if seen else None

    def assert_display_unchanged(self):
        self.assertEqual(read_screen().summary(), self.before)

    def assert_display_is(self, width, height, rate):
        self.assertEqual(read_screen().summary(), ((width, height, rate), (width, height)))


class ReportTest(VirtualDisplayTest):
    """-listmonitors and -listmodes against what xrandr reports."""

    def expected_monitor_line(self):
        output = ENVIRONMENT["VANTIRO_DISPLAY_OUTPUT"]
        screen = read_screen()
        current = screen.current()
        rate = ", %dHz" % current.rate if current.rate >= 2 else ""
        return '"\\\\.\\%s" ("%s") (%d x %d) 32 bpp%s primary\n' % (
            output, output, current.width, current.height, rate)

    def expected_mode_list(self):
        rates = {}
        for mode in read_screen().modes:
            if (mode.width, mode.height) >= (800, 600):
                rates.setdefault((mode.width, mode.height), set()).add(mode.rate)
        lines = ["%d\t%d\t32\t%s\n" % (width, height, "/".join(str(r) for r in sorted(found)))
                 for (width, height), found in sorted(rates.items())]
        return ("Resolutions below 800x600 are not displayed.\n\nWidth\tHeight\tDepth\tRate\n" +
                "".join(lines))

    def test_monitor_list_matches_xrandr(self):
        self.assertEqual(self.run_vantiro("-listmonitors"), (0, self.expected_monitor_line(), ""))
        self.assert_display_unchanged()

    def test_monitor_list_leaves_out_the_rate_of_a_mode_without_timings(self):
        set_mode(1920, 1200, 0)  # the server's own first mode has no timings
        status, text, _ = self.run_vantiro("-listmonitors")
        self.assertEqual((status, text), (0, self.expected_monitor_line()))
        self.assertNotIn("Hz", text)

    def test_monitor_list_follows_a_mode_change(self):
        set_mode(1024, 768, 75)
        self.assertEqual(self.run_vantiro("-listmonitors")[1],
                         '"\\\\.\\%s" ("%s") (1024 x 768) 32 bpp, 75Hz primary\n'
                         % ((ENVIRONMENT["VANTIRO_DISPLAY_OUTPUT"],) * 2))

    def test_mode_list_matches_xrandr(self):
        expected = self.expected_mode_list()
        self.assertIn("800\t600\t32\t60/75\n", expected)  # the helper's modes are there
        self.assertNotIn("640\t480", expected)
        self.assertEqual(self.run_vantiro("-listmodes"), (0, expected, ""))

    def test_mode_list_of_a_device_named_either_way(self):
        output = ENVIRONMENT["VANTIRO_DISPLAY_OUTPUT"]
        expected = self.expected_mode_list()
        for monitor in ("\\\\.\\" + output, "\\\\.\\" + output.upper(), output):
            with self.subTest(monitor=monitor):
                self.assertEqual(self.run_vantiro("-monitor=" + monitor, "-listmodes"),
                                 (0, expected, ""))

    def test_mode_list_of_an_unknown_device_name_is_empty(self):
        self.assertEqual(self.run_vantiro("-monitor=\\\\.\\NO-SUCH-OUTPUT", "-listmodes")[1],
                         "Resolutions below 800x600 are not displayed.\n\n"
                         "Width\tHeight\tDepth\tRate\n")

    def test_quiet_reports_print_nothing(self):
        for switch in ("-listmonitors", "-listmodes"):
            with self.subTest(switch=switch):
                self.assertEqual(self.run_vantiro(switch, "-quiet"), (0, "", ""))


class MonitorNameTest(VirtualDisplayTest):
    """A monitor that names itself in its EDID, as real ones do."""

    monitor = "Vantiro Test"

    def setUp(self):
        super().setUp()
        output = ENVIRONMENT["VANTIRO_DISPLAY_OUTPUT"]
        self.addCleanup(subprocess.run, [OPTIONS.set_edid, output], env=x_environment(),
                        check=True, timeout=COMMAND_TIMEOUT)
        subprocess.run([OPTIONS.set_edid, output, self.monitor], env=x_environment(), check=True,
                       timeout=COMMAND_TIMEOUT)

    def test_monitor_list_shows_the_name_from_the_edid(self):
        output = ENVIRONMENT["VANTIRO_DISPLAY_OUTPUT"]
        self.assertEqual(self.run_vantiro("-listmonitors"),
                         (0, '"\\\\.\\%s" ("%s") (1920 x 1200) 32 bpp, 60Hz primary\n'
                          % (output, self.monitor), ""))

    def test_monitor_chosen_by_its_name_runs_the_program_in_the_new_mode(self):
        status, text, _ = self.run_vantiro("-monitor=" + self.monitor, "-width=1024",
                                           "-height=768", self.probe, "x")
        self.assertEqual((status, text), (0, ""))
        self.assertEqual(self.probe_arguments(), ["x"])
        self.assertEqual(self.probe_seen_mode(), "mode 1024x768@60 screen 1024x768")
        self.assert_display_unchanged()


class StoredSwitchTest(VirtualDisplayTest):
    """Switches without a program: the mode stays."""

    baseline = (800, 600, 60)

    def test_switch_stays_after_vantiro_ends(self):
        self.assertEqual(self.run_vantiro("-width=1024", "-height=768", "-refresh=75"),
                         (0, "", ""))
        self.assert_display_is(1024, 768, 75)
        time.sleep(0.2)
        self.assert_display_is(1024, 768, 75)

    def test_switch_grows_and_shrinks_the_screen(self):
        for width, height, rate in ((1920, 1200, 60), (640, 480, 60), (1280, 1024, 60)):
            with self.subTest(mode=(width, height, rate)):
                status = self.run_vantiro("-width=%d" % width, "-height=%d" % height,
                                          "-refresh=%d" % rate)[0]
                self.assertEqual(status, 0)
                self.assert_display_is(width, height, rate)

    def test_max_values_choose_the_largest_fitting_mode(self):
        cases = [
            (("-width=max", "-height=max", "-refresh=max"), (1920, 1200, 60)),
            (("-width=1024", "-height=768", "-refresh=max"), (1024, 768, 75)),
            (("-width=800", "-height=max", "-refresh=max"), (800, 600, 75)),
            (("-width=1280", "-height=max"), (1280, 1024, 60)),
            (("-depth=max", "-refresh=max"), (800, 600, 75)),
        ]
        for arguments, mode in cases:
            with self.subTest(arguments=arguments):
                set_mode(*self.baseline)
                self.assertEqual(self.run_vantiro(*arguments), (0, "", ""))
                self.assert_display_is(*mode)

    def test_switch_of_the_device_named_either_way(self):
        output = ENVIRONMENT["VANTIRO_DISPLAY_OUTPUT"]
        for monitor in ("\\\\.\\" + output, output, "Unknown Monitor"):
            with self.subTest(monitor=monitor):
                set_mode(*self.baseline)
                self.assertEqual(
                    self.run_vantiro("-monitor=" + monitor, "-width=1024", "-height=768"),
                    (0, "", ""))
                self.assert_display_is(1024, 768, 60)

    def test_test_switch_changes_nothing(self):
        self.assertEqual(
            self.run_vantiro("-test", "-width=1024", "-height=768", "-refresh=max"),
            (0, "Testing (1024 x 768) 32 bpp, 75Hz\n\nCommand line:\n(none)\n", ""))
        self.assert_display_unchanged()

    def test_test_switch_starts_no_program(self):
        status, text, _ = self.run_vantiro("-test", "-width=1024", "-height=768", self.probe,
                                           "a b")
        self.assertEqual(status, 0)
        self.assertEqual(text, 'Testing (1024 x 768) 32 bpp, 60Hz\n\nCommand line:\n./probe "a b"\n')
        self.assertIsNone(self.probe_report())
        self.assert_display_unchanged()

    def test_unlisted_modes_are_refused_with_and_without_force(self):
        cases = [
            (("-width=1000", "-height=700"), NOT_SUPPORTED_NOTICE),
            (("-width=1000", "-height=700", "-force"), BAD_MODE_NOTICE),
            (("-width=1024", "-height=768", "-refresh=61"), NOT_SUPPORTED_NOTICE),
            (("-width=1024", "-height=768", "-refresh=61", "-force"), BAD_MODE_NOTICE),
            (("-depth=16",), NOT_SUPPORTED_NOTICE),
            (("-depth=16", "-force"), BAD_MODE_NOTICE),
            (("-width=1000", "-height=700", "-force", "-test"), None),
        ]
        for arguments, notice in cases:
            with self.subTest(arguments=arguments):
                status, text, _ = self.run_vantiro(*arguments)
                self.assertEqual(status, 2)
                self.assertTrue(text.endswith(BAD_MODE_NOTICE if notice is None else notice))
                if notice is not None:
                    self.assertEqual(text, notice)
                self.assert_display_unchanged()

    def test_refused_switch_with_a_program_starts_nothing(self):
        self.assertEqual(self.run_vantiro("-width=1000", "-height=700", "-force", "-quiet",
                                          self.probe)[0], 2)
        self.assertIsNone(self.probe_report())
        self.assert_display_unchanged()


class UntimedModeTest(VirtualDisplayTest):
    """From the server's first mode, which has no timings and so rate 0."""

    baseline = (1920, 1200, 0)

    def test_request_keeps_rate_zero_so_only_force_switches(self):
        self.assertEqual(self.run_vantiro("-width=800", "-height=600")[0], 2)
        self.assert_display_unchanged()
        # The forced mode asks for rate 0, the device's default: any rate of the size.
        self.assertEqual(self.run_vantiro("-width=800", "-height=600", "-force"), (0, "", ""))
        self.assertEqual(read_screen().summary()[1], (800, 600))

    def test_program_run_returns_to_the_untimed_mode(self):
        status = self.run_vantiro("-width=1024", "-height=768", "-force", self.probe)[0]
        self.assertEqual(status, 0)
        self.assertRegex(self.probe_seen_mode(), r"^mode 1024x768@\d+ screen 1024x768$")
        self.assert_display_unchanged()


class ProgramRunTest(VirtualDisplayTest):
    """Switches with a program: it runs in the new mode, and the display returns."""

    def test_program_sees_the_new_mode_and_the_display_returns(self):
        status, text, _ = self.run_vantiro("-width=800", "-height=600", "-refresh=75",
                                           self.probe, env={"VANTIRO_PROBE_ACTION": "exit=3"})
        self.assertEqual((status, text), (0, ""))
        self.assertEqual(self.probe_seen_mode(), "mode 800x600@75 screen 800x600")
        self.assert_display_unchanged()

    def test_display_returns_to_the_mode_stored_before(self):
        self.assertEqual(self.run_vantiro("-width=1024", "-height=768")[0], 0)
        self.assertEqual(self.run_vantiro("-width=800", "-height=600", self.probe)[0], 0)
        self.assertEqual(self.probe_seen_mode(), "mode 800x600@60 screen 800x600")
        self.assert_display_is(1024, 768, 60)

    def test_program_in_the_current_mode_runs_and_nothing_changes(self):
        self.assertEqual(self.run_vantiro("-quiet", self.probe)[0], 0)
        self.assertEqual(self.probe_seen_mode(), "mode 1920x1200@60 screen 1920x1200")
        self.assert_display_unchanged()

    def test_program_found_on_the_path(self):
        probe = pathlib.Path(OPTIONS.probe)
        path = "%s:%s" % (probe.parent, os.environ.get("PATH", ""))
        status, _, _ = self.run_vantiro("-width=1024", "-height=768", probe.name, "x",
                                        env={"PATH": path})
        self.assertEqual(status, 0)
        self.assertEqual(self.probe_arguments(), ["x"])
        self.assertEqual(self.probe_seen_mode(), "mode 1024x768@60 screen 1024x768")

    def test_crashing_program_is_an_ordinary_end(self):
        status, text, _ = self.run_vantiro("-width=800", "-height=600", self.probe,
                                           env={"VANTIRO_PROBE_ACTION": "segv"})
        self.assertEqual((status, text), (0, ""))
        self.assertEqual(self.probe_seen_mode(), "mode 800x600@60 screen 800x600")
        self.assert_display_unchanged()

    def test_program_that_cannot_start(self):
        not_executable = self.work / "not-executable"
        not_executable.write_text("data\n")
        no_format = self.work / "no-format"
        no_format.write_bytes(b"\x00\x01\x02 neither a program nor a script\n")
        no_format.chmod(0o755)
        cases = [
            ("./no-such-program x", 6, "Unable to find specified file."),
            ("no-such-program-on-the-path", 6, "Unable to find specified file."),
            ("./not-executable", 7, "An error occurred when starting the application."),
            ("./no-format", 7, "An error occurred when starting the application."),
        ]
        for command_line, expected_status, sentence in cases:
            with self.subTest(command_line=command_line):
                status, text, _ = self.run_vantiro("-width=800", "-height=600",
                                                   *command_line.split(" "))
                self.assertEqual(status, expected_status)
                self.assertEqual(text, "%s The command line is:\n%s\n" % (sentence, command_line))
                self.assert_display_unchanged()


class ArgumentTest(VirtualDisplayTest):
    """The program's arguments arrive exactly as given to vantiro."""

    def test_awkward_arguments_reach_the_program(self):
        cases = [
            ["plain", "two words", "  padded  "],
            [""],
            ["a", "", "b", ""],
            ['say "hi"', '"', '""', 'end"'],
            ["back\\slash", "trailing\\", "trailing\\\\", "a b\\", 'quote\\"', '\\\\"x'],
            ["tab\there", "\t", "new\nline"],
            ["-width=640", "/p", "-monitor=A B", "--flag=x y"],
            ["caf\u00e9", "$HOME", "*", "a;b", "|", "'single'"],
        ]
        for arguments in cases:
            with self.subTest(arguments=arguments):
                self.report_path.unlink(missing_ok=True)
                status, text, _ = self.run_vantiro("-width=1024", "-height=768", self.probe,
                                                   *arguments)
                self.assertEqual((status, text), (0, ""))
                self.assertEqual(self.probe_arguments(), arguments)

    def test_switch_value_with_spaces_is_not_taken_for_the_program(self):
        status, text, _ = self.run_vantiro("-monitor=Some Monitor", "-width=1024",
                                           "-height=768", self.probe, "x y")
        self.assertEqual((status, text), (0, ""))
        self.assertEqual(self.probe_arguments(), ["x y"])
        self.assertEqual(self.probe_seen_mode(), "mode 1024x768@60 screen 1024x768")

    def test_program_in_a_folder_with_spaces(self):
        folder = self.work / "my games"
        folder.mkdir()
        (folder / "the probe").symlink_to(OPTIONS.probe)
        status, text, _ = self.run_vantiro("-width=1024", "-height=768", "./my games/the probe",
                                           "x y")
        self.assertEqual((status, text), (0, ""))
        self.assertEqual(self.probe_arguments(), ["x y"])

    def test_vantiro_in_a_folder_with_spaces(self):
        folder = self.work / "my tools"
        folder.mkdir()
        (folder / "vantiro").symlink_to(os.path.abspath(OPTIONS.vantiro))
        status, text, _ = self.run_vantiro("-width=1024", "-height=768", self.probe, "x",
                                           program=str(folder / "vantiro"))
        self.assertEqual((status, text), (0, ""))
        self.assertEqual(self.probe_arguments(), ["x"])


class SignalTest(VirtualDisplayTest):
    """Signals to vantiro while the program runs go on to the program."""

    def start_waiting_run(self, action="wait", **popen_arguments):
        environment = x_environment(VANTIRO_PROBE_REPORT=str(self.report_path),
                                    VANTIRO_PROBE_ACTION=action)
        process = subprocess.Popen([OPTIONS.vantiro, "-width=800", "-height=600", "-refresh=75",
                                    self.probe], env=environment, cwd=self.work,
                                   **popen_arguments)
        self.addCleanup(end_process, process.pid)
        self.addCleanup(self.reap, process)
        deadline = time.monotonic() + COMMAND_TIMEOUT
        while "ready" not in (self.probe_report() or []):
            if process.poll() is not None or time.monotonic() > deadline:
                self.fail("the program did not get ready to wait for signals")
            time.sleep(WAIT_STEP)
        return process

    @staticmethod
    def reap(process):
        if process.poll() is None:
            process.kill()
        process.wait(timeout=COMMAND_TIMEOUT)

    def probe_signals(self):
        return [int(line.split()[1]) for line in self.probe_report() or []
                if line.startswith("signal ")]

    def test_signal_to_vantiro_ends_the_program_and_the_display_returns(self):
        for sent in (signal.SIGTERM, signal.SIGINT, signal.SIGHUP):
            with self.subTest(signal=sent.name):
                self.report_path.unlink(missing_ok=True)
                process = self.start_waiting_run(stdin=subprocess.DEVNULL,
                                                 stdout=subprocess.PIPE)
                self.assertEqual(read_screen().summary(), ((800, 600, 75), (800, 600)))
                os.kill(process.pid, sent)
                output, _ = process.communicate(timeout=COMMAND_TIMEOUT)
                self.assertEqual((process.returncode, output), (0, b""))
                self.assertEqual(self.probe_signals(), [sent])
                self.assert_display_unchanged()

    def test_terminal_interrupt_reaches_the_program_once(self):
        # "wait": the program shares vantiro's process group, so the terminal
        # interrupts it directly; "wait-alone": only vantiro can pass it on.
        for action in ("wait", "wait-alone"):
            with self.subTest(action=action):
                self.report_path.unlink(missing_ok=True)
                process = self.start_in_terminal(action)
                os.write(self.controller, b"\x03")  # Ctrl-C: SIGINT to the foreground group
                deadline = time.monotonic() + COMMAND_TIMEOUT
                while process.poll() is None and time.monotonic() < deadline:
                    self.drain(self.controller)
                    time.sleep(WAIT_STEP)
                self.assertEqual(process.wait(timeout=COMMAND_TIMEOUT), 0)
                self.assertEqual(self.probe_signals(), [signal.SIGINT])
                self.assert_display_unchanged()

    def start_in_terminal(self, action):
        """Starts vantiro as the leader of a session whose terminal is a new pty."""
        self.controller, terminal = pty.openpty()
        self.addCleanup(os.close, self.controller)

        def take_terminal():
            fcntl.ioctl(terminal, termios.TIOCSCTTY, 0)

        try:
            return self.start_waiting_run(action, stdin=terminal, stdout=terminal,
                                          stderr=terminal, start_new_session=True,
                                          preexec_fn=take_terminal)
        finally:
            os.close(terminal)

    @staticmethod
    def drain(descriptor):
        while select.select([descriptor], [], [], 0)[0]:
            try:
                if not os.read(descriptor, 4096):
                    return
            except OSError as error:
                if error.errno == errno.EIO:  # the terminal's last user has gone
                    return
                raise


class NoDisplayTest(unittest.TestCase):
    """Without an X server: a clear message, status 5, nothing started."""

    def unused_display(self):
        number = 90
        while pathlib.Path("/tmp/.X11-unix/X%d" % number).exists():
            number += 1
        return ":%d" % number

    def test_unreachable_display_is_reported(self):
        work = pathlib.Path(tempfile.mkdtemp(prefix="vantiro-x11-"))
        self.addCleanup(shutil.rmtree, work, True)
        report = work / "probe.report"
        (work / "probe").symlink_to(OPTIONS.probe)
        unused = self.unused_display()
        for display, message in ((unused, 'cannot open the X display "%s"' % unused),
                                 (None, "cannot open the X display: DISPLAY is not set")):
            for arguments in (["-listmonitors"], ["-width=800", "-height=600", "./probe"]):
                with self.subTest(display=display, arguments=arguments):
                    environment = dict(os.environ, VANTIRO_PROBE_REPORT=str(report))
                    environment.pop("DISPLAY", None)
                    if display:
                        environment["DISPLAY"] = display
                    completed = subprocess.run([OPTIONS.vantiro, *arguments], env=environment,
                                               stdin=subprocess.DEVNULL, capture_output=True,
                                               text=True, cwd=work, timeout=COMMAND_TIMEOUT)
                    self.assertEqual(completed.returncode, 5)
                    self.assertEqual(completed.stdout, "")
                    self.assertEqual(completed.stderr, "vantiro: %s\n" % message)
                    self.assertFalse(report.exists())

    def test_usage_needs_no_display(self):
        environment = dict(os.environ)
        environment.pop("DISPLAY", None)
        completed = subprocess.run([OPTIONS.vantiro], env=environment, stdin=subprocess.DEVNULL,
                                   capture_output=True, text=True, timeout=COMMAND_TIMEOUT)
        self.assertEqual(completed.returncode, 1)
        self.assertTrue(completed.stdout.startswith("vantiro.exe [-width=<width>|max]"))
        self.assertNotIn("\r", completed.stdout)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--vantiro", required=True)
    parser.add_argument("--probe", required=True)
    parser.add_argument("--set-edid", help="vantiro_x11_set_edid; beside the probe by default")
    parser.add_argument("--display-env", required=True)
    options, rest = parser.parse_known_args()
    OPTIONS.__dict__.update(vars(options))
    OPTIONS.vantiro = os.path.abspath(OPTIONS.vantiro)
    OPTIONS.probe = os.path.abspath(OPTIONS.probe)
    OPTIONS.set_edid = os.path.abspath(
        OPTIONS.set_edid or os.path.join(os.path.dirname(OPTIONS.probe), "vantiro_x11_set_edid"))
    needs_display = any(not name.startswith("NoDisplayTest") for name in rest) or not rest
    if needs_display:
        ENVIRONMENT.update(read_display_env(options.display_env))
    unittest.main(argv=[sys.argv[0], "-v", *rest])


if __name__ == "__main__":
    main()
