#!/usr/bin/env python3
"""End-to-end tests of vantiro.exe under Wine, on the shared virtual display.

    wine_suite.py setup        a fresh Wine prefix and a persistent wineserver
    wine_suite.py teardown     ends the prefix's Wine processes and wineserver
    wine_suite.py run CASE     one case; exits 0 when it passes
    wine_suite.py list         the case names, one a line

The environment names the parts (tests/wine/CMakeLists.txt sets it):
VANTIRO_WINDOWS_DIR (vantiro.exe, vantiro_launcher.exe, vantiro_probe.exe),
VANTIRO_VIRTUAL_DISPLAY_ENV (the display's env file) and VANTIRO_WINE_STATE
(the prefix, the runs' files and the artifacts).

Most cases run vantiro.exe through vantiro_launcher.exe, which hands it a raw
command line exactly as written here (Wine would rebuild one from an argument
vector and quote it its own way), reads every notice box's caption and text
and presses its OK button. The mode on the X side is read with xrandr.

Every wait is bounded, and every process started here is ended by its id.
"""

import os
import re
import shutil
import signal
import subprocess
import sys
import time
from pathlib import Path

CAPTION_PATTERN = re.compile(r"Vantiro 3\.12 from Orvane \(.+\)")
WINE_RUN_TIMEOUT = 90  # seconds for one wine process, start-up included
LAUNCHER_TIMEOUT = 60  # seconds that the launcher lets vantiro.exe run
BASELINE = (1024, 768, 60)
# Wine's X11 driver offers every X mode at these depths.
WINE_DEPTHS = (8, 16, 32)

NOT_SUPPORTED_NOTICE = (
    "The specified display resolution is not supported by your video adapter and monitor. "
    "Use -listmodes to determine the supported resolutions.\r\n\r\n"
    "If you want Vantiro to set this resolution anyway, you can pass the -force switch on "
    "the command line.\r\n\r\n"
    "Please be aware that you can damage your video adapter or monitor by using an "
    "unsupported resolution. Orvane assumes no responsibility or liability for your use "
    "of Vantiro.")
BAD_MODE_NOTICE = "The graphics mode is not supported."
NOT_FOUND_NOTICE = "Unable to find specified file. The command line is:\r\n"
START_FAILED_NOTICE = "An error occurred when starting the application. The command line is:\r\n"
USAGE_START = ("vantiro.exe [-width=<width>|max] [-height=<height>|max]\r\n"
               "\t[-depth=<bits-color-depth>|max]\r\n")


class Failure(Exception):
    pass


def check(condition, message):
    if not condition:
        raise Failure(message)


def check_equal(actual, expected, what):
    if actual != expected:
        raise Failure(f"{what}:\n  expected {expected!r}\n  actual   {actual!r}")


# --- configuration -----------------------------------------------------------

def required_path(variable):
    value = os.environ.get(variable)
    if not value:
        raise Failure(f"{variable} is not set")
    return Path(value)


# Set by configure() from the environment.
WINDOWS_DIR = STATE = PREFIX = RUNS = ARTIFACTS = WINESERVER_PID = None
DISPLAY = {}


def configure(display_needed=True):
    global WINDOWS_DIR, STATE, PREFIX, RUNS, ARTIFACTS, WINESERVER_PID
    WINDOWS_DIR = required_path("VANTIRO_WINDOWS_DIR")
    STATE = required_path("VANTIRO_WINE_STATE")
    PREFIX = STATE / "prefix"
    RUNS = STATE / "runs"
    ARTIFACTS = STATE / "artifacts"
    WINESERVER_PID = STATE / "wineserver.pid"
    env_file = required_path("VANTIRO_VIRTUAL_DISPLAY_ENV")
    if not display_needed:
        return
    try:
        for line in env_file.read_text().splitlines():
            key, _, value = line.partition("=")
            DISPLAY[key] = value
    except OSError:
        raise Failure(f"no virtual display: {env_file} is missing")
    check("DISPLAY" in DISPLAY and "VANTIRO_DISPLAY_OUTPUT" in DISPLAY,
          f"{env_file} names no display and output")


def windows_path(path):
    """The path on Wine's drive Z:, which maps the Unix root."""
    return "Z:" + str(path).replace("/", "\\")


def wine_environment(trace=False):
    env = dict(os.environ)
    env.update(
        DISPLAY=DISPLAY.get("DISPLAY", ""),
        WINEPREFIX=str(PREFIX),
        WINEDEBUG="-all,trace+msgbox" if trace else "-all",
        # No prompts to install Mono or Gecko while the prefix is made.
        WINEDLLOVERRIDES="mscoree,mshtml=",
    )
    return env


# --- processes ---------------------------------------------------------------

def end_process(process, grace=5):
    """Ends `process` by its id: SIGTERM, then SIGKILL after `grace` seconds."""
    if process.poll() is not None:
        return
    for sig in (signal.SIGTERM, signal.SIGKILL):
        try:
            os.kill(process.pid, sig)
        except ProcessLookupError:
            return
        try:
            process.wait(timeout=grace)
            return
        except subprocess.TimeoutExpired:
            continue


def run_process(arguments, timeout, env=None, log_name="process"):
    """Runs to its end within `timeout` seconds; (status, stdout, stderr).

    The output goes to files, not pipes: Wine's service processes inherit the
    descriptors and outlive the program, so a pipe would never reach its end.
    """
    RUNS.mkdir(parents=True, exist_ok=True)
    out_path, err_path = RUNS / f"{log_name}.stdout", RUNS / f"{log_name}.stderr"
    with open(out_path, "wb") as out, open(err_path, "wb") as err:
        process = subprocess.Popen(arguments, env=env, stdin=subprocess.DEVNULL, stdout=out,
                                   stderr=err, start_new_session=True)
    try:
        process.wait(timeout=timeout)
    except subprocess.TimeoutExpired:
        end_process(process)
        raise Failure(f"{arguments[0]} did not end within {timeout} s:\n"
                      f"{err_path.read_text(errors='replace')}")
    return process.returncode, out_path.read_bytes(), err_path.read_bytes()


def wait_for(predicate, timeout, what, interval=0.1):
    deadline = time.monotonic() + timeout
    while True:
        value = predicate()
        if value:
            return value
        if time.monotonic() >= deadline:
            raise Failure(f"{what} did not happen within {timeout} s")
        time.sleep(interval)


# --- the X side --------------------------------------------------------------

MODE_LINE = re.compile(r"^\s+(\d+)x(\d+)\S*\s+(.*)$")


def xrandr_modes():
    """[(width, height, rate, current)] of the display's output, rates rounded."""
    status, out, err = run_process(["xrandr", "--current"], 30,
                                   env=dict(os.environ, DISPLAY=DISPLAY["DISPLAY"]),
                                   log_name="xrandr")
    check(status == 0, f"xrandr failed: {err.decode(errors='replace')}")
    modes, in_output = [], False
    for line in out.decode().splitlines():
        if not line.startswith(" "):
            in_output = line.split(" ", 1)[0] == DISPLAY["VANTIRO_DISPLAY_OUTPUT"]
            continue
        match = MODE_LINE.match(line)
        if not (in_output and match):
            continue
        for rate in re.findall(r"\d+\.\d+[*+ ]*", match.group(3)):
            modes.append((int(match.group(1)), int(match.group(2)),
                          round(float(rate.rstrip("*+ "))), "*" in rate))
    return modes


def screen_mode():
    current = [mode[:3] for mode in xrandr_modes() if mode[3]]
    check(len(current) == 1, f"xrandr shows no single current mode: {current}")
    return current[0]


def set_screen_mode_with_xrandr(width, height, rate):
    x_env = dict(os.environ, DISPLAY=DISPLAY["DISPLAY"])
    status, out, err = run_process(["xrandr", "--current"], 30, env=x_env, log_name="xrandr")
    check(status == 0, f"xrandr failed: {err.decode(errors='replace')}")
    for mode_line in out.decode().splitlines():
        match = re.match(rf"^\s+({width}x{height}\S*)\s+{rate}\.00", mode_line)
        if match:
            status, _, err = run_process(["xrandr", "--output", DISPLAY["VANTIRO_DISPLAY_OUTPUT"],
                                          "--mode", match.group(1)], 30, env=x_env,
                                         log_name="xrandr")
            check(status == 0, f"xrandr failed: {err.decode(errors='replace')}")
            return
    raise Failure(f"the virtual display offers no {width}x{height} at {rate} Hz")


# --- running vantiro.exe -----------------------------------------------------

class Run:
    def __init__(self, status, notices, broadcasts, trace):
        self.status = status
        self.notices = notices  # [(caption, text, mode while the box was open)]
        self.broadcasts = broadcasts
        self.trace = trace

    def texts(self):
        return [text for _, text, _ in self.notices]


def parse_result(data):
    notices, broadcasts, status, position = [], None, None, 0
    while position < len(data):
        end = data.index(b"\n", position)
        header = data[position:end].decode()
        position = end + 1
        if header.startswith("notice "):
            caption_size, text_size, *mode = map(int, header.split()[1:])
            caption = data[position:position + caption_size].decode("cp1252")
            position += caption_size
            text = data[position:position + text_size].decode("cp1252")
            position += text_size + 1
            notices.append((caption, text, tuple(mode)))
        elif header.startswith("broadcasts "):
            broadcasts = int(header.split()[1])
        elif header.startswith("exit "):
            status = int(header.split()[1])
        else:
            raise Failure(f"the launcher reports: {header}")
    check(status is not None, "the launcher recorded no exit status")
    return status, notices, broadcasts


def run_vantiro(arguments, trace=False, name="run"):
    """Runs `vantiro.exe <arguments>` from a raw command line, closing its notices."""
    RUNS.mkdir(parents=True, exist_ok=True)
    command, result = RUNS / f"{name}.command", RUNS / f"{name}.result"
    command.write_bytes(("vantiro.exe " + arguments).encode("cp1252"))
    result.unlink(missing_ok=True)
    status, _, err = run_process(
        ["wine", str(WINDOWS_DIR / "vantiro_launcher.exe"), windows_path(command),
         windows_path(result), str(LAUNCHER_TIMEOUT)],
        WINE_RUN_TIMEOUT, env=wine_environment(trace), log_name=name)
    check(result.exists(), f"the launcher wrote no result (status {status}): "
                           f"{err.decode(errors='replace')}")
    exit_status, notices, broadcasts = parse_result(result.read_bytes())
    for caption, _, _ in notices:
        check(CAPTION_PATTERN.fullmatch(caption), f"notice caption {caption!r}")
    return Run(exit_status, notices, broadcasts, err.decode(errors="replace"))


TRACE_LINE = re.compile(r'trace:msgbox:MSGBOX_OnInit L"((?:[^"\\]|\\.)*)"')


def traced_texts(trace):
    """The text starts that Wine's msgbox trace shows, unescaped."""
    def unescape(match):
        escape = match.group(1)
        simple = {"n": "\n", "r": "\r", "t": "\t", '"': '"', "\\": "\\"}
        return simple[escape] if escape in simple else chr(int(escape, 16))
    return [re.sub(r'\\([nrt"\\]|[0-9a-fA-F]{4})', unescape, found)
            for found in TRACE_LINE.findall(trace)]


def check_traced(run):
    """The trace shows the start of every notice that the launcher read."""
    shown = traced_texts(run.trace)
    check_equal(len(shown), len(run.notices), "notices in the msgbox trace")
    for start, text in zip(shown, run.texts()):
        check(start and text.startswith(start),
              f"the trace shows {start!r}, the box holds {text!r}")


def expect(arguments, status, notices=None, mode=None, name="run", trace=False,
           broadcasts=None):
    """Runs vantiro.exe and checks its status, its notice texts, the screen mode
    afterwards and the number of setting-change broadcasts, each when given."""
    run = run_vantiro(arguments, trace=trace, name=name)
    check_equal(run.status, status, f"exit status of vantiro.exe {arguments}")
    if notices is not None:
        check_equal(run.texts(), notices, f"notices of vantiro.exe {arguments}")
    if mode is not None:
        check_equal(screen_mode(), mode, f"screen mode after vantiro.exe {arguments}")
    if broadcasts is not None:
        check_equal(run.broadcasts, broadcasts, f"broadcasts of vantiro.exe {arguments}")
    return run


def set_baseline(mode=BASELINE):
    """Stores `mode` through vantiro.exe itself, so that X and Wine's registry
    agree on it."""
    if screen_mode()[2] == 0:
        # A mode without timings reads as the default rate, which makes
        # vantiro drop the requested rate; start from a timed mode instead.
        set_screen_mode_with_xrandr(*mode)
    width, height, rate = mode
    expect(f"-width={width} -height={height} -depth=32 -refresh={rate} -quiet", 0, [],
           mode, name="baseline")


def quoted(argument):
    return f'"{argument}"' if " " in argument else argument


def probe_command(record, *arguments):
    """The probe is found beside the launcher, as Windows looks there first."""
    return " ".join(["vantiro_probe.exe", quoted(windows_path(record)), *arguments])


def read_probe(record):
    check(record.exists(), "the probe did not run")
    fields = {}
    for line in record.read_bytes().decode("cp1252").splitlines():
        key, _, value = line.partition(" ")
        fields[key] = value
    return fields


# --- the reports -------------------------------------------------------------

MONITOR_LINE = re.compile(
    r'"(\\\\\.\\[^"]+)" \("([^"]*)"\) \((\d+) x (\d+)\) (\d+) bpp(?:, (\d+)Hz)?( primary)?\r\n')


def list_monitors():
    """(device name, monitor description) from the one line of the monitor list,
    after checking the line against the X side."""
    run = expect("-listmonitors", 0, name="list-monitors", trace=True, broadcasts=0)
    check_equal(len(run.notices), 1, "notices of -listmonitors")
    check_traced(run)
    match = MONITOR_LINE.fullmatch(run.texts()[0])
    check(match, f"monitor list {run.texts()[0]!r}")
    width, height, rate = screen_mode()
    check_equal(tuple(map(int, match.group(3, 4, 5))), (width, height, 32),
                "width, height and bits per pixel in the monitor list")
    check_equal(match.group(6), str(rate) if rate > 1 else None, "rate in the monitor list")
    check(match.group(7), "the only display is not marked primary")
    return match.group(1), match.group(2)


def expected_mode_list():
    """The mode list computed from the modes that xrandr shows."""
    offered = {}
    for width, height, rate, _ in xrandr_modes():
        if (width, height) < (800, 600):
            continue
        for depth in WINE_DEPTHS:
            offered.setdefault((width, height, depth), set()).add(rate)
    lines = [f"{w}\t{h}\t{d}\t" + "/".join(map(str, sorted(offered[(w, h, d)]))) + "\r\n"
             for (w, h, d) in sorted(offered)]
    return MODE_LIST_HEAD + "".join(lines)


MODE_LIST_HEAD = ("Resolutions below 800x600 are not displayed.\r\n\r\n"
                  "Width\tHeight\tDepth\tRate\r\n")


# --- the cases ---------------------------------------------------------------

CASES = {}


def case(function):
    CASES[function.__name__] = function
    return function


@case
def list_monitors_report():
    set_baseline()
    list_monitors()
    # The monitor list wins over everything else; nothing changes.
    run = expect("-listmonitors -listmodes -width=800 -height=600", 0, mode=BASELINE)
    check_equal(len(run.notices), 1, "notices of -listmonitors -listmodes")
    check(MONITOR_LINE.fullmatch(run.texts()[0]), f"monitor list {run.texts()[0]!r}")
    expect("-listmonitors -quiet", 0, [], BASELINE)


@case
def list_modes_report():
    set_baseline()
    device, _ = list_monitors()
    expected = expected_mode_list()
    check("800\t600\t32\t60/75\r\n" in expected,
          f"the virtual display lacks its added modes:\n{expected}")
    run = expect("-listmodes", 0, [expected], BASELINE, trace=True, broadcasts=0)
    check_traced(run)
    # Other switches have no effect on the report.
    expect(f"-listmodes -monitor={device} -width=800 -test", 0, [expected], BASELINE)
    expect("-listmodes -monitor=\\\\.\\DISPLAY9", 0, [MODE_LIST_HEAD], BASELINE)
    expect("-listmodes -quiet", 0, [], BASELINE)


@case
def stored_switch():
    set_baseline()
    expect("-width=800 -height=600 -refresh=75 -quiet", 0, [], (800, 600, 75), broadcasts=1)
    # Stored: a run with a program returns the display to this mode, not to the
    # one before it, and broadcasts only the change, not the return.
    record = RUNS / "stored-switch.probe"
    record.unlink(missing_ok=True)
    expect(f"-width=1280 -height=1024 -refresh=60 -quiet {probe_command(record)}", 0, [],
           (800, 600, 75), broadcasts=1)
    check_equal(read_probe(record)["mode"], "1280 1024 32 60", "mode that the program saw")


@case
def switch_with_program():
    set_baseline()
    record = RUNS / "switch-with-program.probe"
    record.unlink(missing_ok=True)
    command = probe_command(record, "3")
    # The probe ends with status 3, which is not passed on.
    expect(f"-width=800 -height=600 -refresh=75 {command}", 0, [], BASELINE, broadcasts=1)
    probe = read_probe(record)
    check_equal(probe["mode"], "800 600 32 75", "mode that the program saw")
    check_equal(probe["command-line"], command, "command line that the program got")
    # Unrequested values keep the current ones: here the rate of 60 Hz.
    record.unlink()
    expect(f"-width=1600 -height=1200 {command}", 0, [], BASELINE)
    check_equal(read_probe(record)["mode"], "1600 1200 32 60", "mode that the program saw")


@case
def test_switch_changes_nothing():
    set_baseline()
    record = RUNS / "test-switch.probe"
    record.unlink(missing_ok=True)
    command = probe_command(record, "0")
    expect(f"-width=800 -height=600 -refresh=max -test {command}", 0,
           [f"Testing (800 x 600) 32 bpp, 75Hz\r\n\r\nCommand line:\r\n{command}\r\n"],
           BASELINE, broadcasts=0)
    check(not record.exists(), "-test started the program")
    # Nor was the tested mode stored: a run with a program returns to the
    # baseline.
    expect(f"-width=1280 -height=1024 -quiet {command}", 0, [], BASELINE)
    check_equal(read_probe(record)["mode"], "1280 1024 32 60", "mode that the program saw")
    # Without a program the test asks for CDS_UPDATEREGISTRY too, and Wine then
    # stores the tested mode although it changes nothing on the screen; so what
    # the registry holds after these two runs is not checked.
    expect("-width=800 -height=600 -test", 0,
           ["Testing (800 x 600) 32 bpp, 60Hz\r\n\r\nCommand line:\r\n(none)\r\n"], BASELINE,
           broadcasts=0)
    expect("-width=1280 -height=1024 -test -quiet", 0, [], BASELINE, broadcasts=0)


@case
def unlisted_mode_refused():
    set_baseline()
    for force, notice in (("", NOT_SUPPORTED_NOTICE), ("-force ", BAD_MODE_NOTICE)):
        expect(f"-width=1000 -height=700 {force}", 2, [notice], BASELINE, broadcasts=0)
        expect(f"-width=1000 -height=700 {force}-quiet", 2, [], BASELINE, broadcasts=0)
    # The test notice shows the forced mode, then Wine refuses to test it.
    expect("-width=1000 -height=700 -force -test", 2,
           ["Testing (1000 x 700) 32 bpp, 60Hz\r\n\r\nCommand line:\r\n(none)\r\n",
            BAD_MODE_NOTICE], BASELINE, broadcasts=0)
    # A listed size at an unlisted rate is just as unlisted.
    expect("-width=640 -height=480 -refresh=75", 2, [NOT_SUPPORTED_NOTICE], BASELINE)


@case
def max_values():
    cases = (
        ("-width=max -height=max -depth=max -refresh=max", (1920, 1200, 60)),
        ("-width=1024 -refresh=max", (1024, 768, 75)),
        ("-width=800 -height=max -refresh=max", (800, 600, 75)),
        ("-width=max -height=1024", (1280, 1024, 60)),
        ("-width=max -height=600 -refresh=-1", (800, 600, 75)),
    )
    for arguments, mode in cases:
        set_baseline()
        expect(arguments + " -quiet", 0, [], mode, broadcasts=1)


@case
def monitor_by_description():
    set_baseline()
    _, description = list_monitors()
    check(" " in description, f"the monitor description {description!r} has no space")
    expect(f'-monitor="{description}" -width=800 -height=600 -quiet', 0, [], (800, 600, 60))
    # The quoted description with its spaces is passed over whole: the program
    # command line starts after it.
    record = RUNS / "monitor-by-description.probe"
    record.unlink(missing_ok=True)
    command = probe_command(record)
    expect(f'-monitor="{description}" -test {command}', 0,
           [f"Testing (800 x 600) 32 bpp, 60Hz\r\n\r\nCommand line:\r\n{command}\r\n"],
           (800, 600, 60))
    expect(f'-monitor="{description}" -width=1280 -height=1024 {command}', 0, [],
           (800, 600, 60))
    check_equal(read_probe(record)["mode"], "1280 1024 32 60", "mode that the program saw")


@case
def monitor_by_device_name():
    set_baseline()
    device, _ = list_monitors()
    expect(f"-monitor={device} -width=1280 -height=1024 -quiet", 0, [], (1280, 1024, 60))
    # A device that does not exist offers no mode.
    expect("-monitor=\\\\.\\DISPLAY9 -width=800 -height=600", 2, [NOT_SUPPORTED_NOTICE],
           (1280, 1024, 60))


@case
def program_not_started():
    set_baseline()
    command = "no_such_program.exe /x"
    run = expect(f"-width=800 -height=600 {command}", 6, [NOT_FOUND_NOTICE + command], BASELINE,
                 broadcasts=1)
    # The display returns only once the notice has been closed.
    check_equal(run.notices[0][2], (800, 600, 32, 60), "display mode while the notice was open")
    expect(f"-width=800 -height=600 -quiet {command}", 6, [], BASELINE)
    # A file that is no program.
    not_a_program = quoted(windows_path(RUNS / "baseline.command"))
    expect(f"-width=800 -height=600 {not_a_program}", 7,
           [START_FAILED_NOTICE + not_a_program], BASELINE)


@case
def long_program_command_line():
    set_baseline()
    record = RUNS / "long-command-line.probe"
    record.unlink(missing_ok=True)
    command = probe_command(record, "0", "-" + "x" * 150, '"a b"', "y" * 120)
    check(len(command) > 259, "the command line is not long enough")
    expect(f"-width=800 -height=600 {command}", 0, [], BASELINE, broadcasts=1)
    probe = read_probe(record)
    check_equal(probe["command-line"], command, "command line that the program got")
    check_equal(probe["mode"], "800 600 32 60", "mode that the program saw")


@case
def usage_notice_box():
    """The one notice seen on the screen: found by its caption, photographed and
    closed with xdotool, as a user would close it."""
    set_baseline()
    ARTIFACTS.mkdir(parents=True, exist_ok=True)
    screenshot = ARTIFACTS / "usage-notice.png"
    screenshot.unlink(missing_ok=True)
    x_env = dict(os.environ, DISPLAY=DISPLAY["DISPLAY"])
    stderr_log = RUNS / "usage-notice.stderr"
    RUNS.mkdir(parents=True, exist_ok=True)
    with open(stderr_log, "wb") as stderr:
        vantiro = subprocess.Popen(["wine", str(WINDOWS_DIR / "vantiro.exe")],
                                   env=wine_environment(trace=True), stdin=subprocess.DEVNULL,
                                   stdout=subprocess.DEVNULL, stderr=stderr,
                                   start_new_session=True)
    try:
        def find_box():
            found = subprocess.run(["xdotool", "search", "--name", r"^Vantiro 3\.12 from Orvane \("],
                                   capture_output=True, env=x_env, timeout=10)
            return found.stdout.split()
        windows = wait_for(find_box, 60, "the usage notice box")
        check_equal(len(windows), 1, "windows captioned as a notice")
        window = windows[0].decode()
        name = subprocess.run(["xdotool", "getwindowname", window], capture_output=True,
                              env=x_env, timeout=10).stdout.decode().strip()
        check(CAPTION_PATTERN.fullmatch(name), f"box caption {name!r}")
        time.sleep(0.5)  # let Wine finish painting the box
        run_process(["import", "-window", window, str(screenshot)], 30, env=x_env)
        run_process(["xdotool", "windowfocus", "--sync", window, "key", "Return"], 30, env=x_env)
        status = vantiro.wait(timeout=30)
    finally:
        end_process(vantiro)
    check_equal(status, 1, "exit status of vantiro.exe without arguments")
    check(screenshot.exists() and screenshot.stat().st_size > 0, "no screenshot was taken")
    shown = traced_texts(stderr_log.read_bytes().decode(errors="replace"))
    check_equal(len(shown), 1, "notices in the msgbox trace")
    check(shown[0].startswith(USAGE_START[:len(shown[0])]) and len(shown[0]) >= len(USAGE_START),
          f"the usage notice starts {shown[0]!r}")
    check_equal(screen_mode(), BASELINE, "screen mode after the usage notice")


# --- the prefix --------------------------------------------------------------

def start_wineserver():
    """A wineserver of our own that stays until teardown, so that the cases do
    not each wait for one to start."""
    with open(STATE / "wineserver.log", "wb") as log:
        server = subprocess.Popen(["wineserver", "--foreground", "--persistent"],
                                  env=wine_environment(), stdin=subprocess.DEVNULL,
                                  stdout=log, stderr=log, start_new_session=True)
    WINESERVER_PID.write_text(str(server.pid))
    # Until the server's socket exists (in its working directory), clients
    # would start a server of their own.
    socket = Path(f"/proc/{server.pid}/cwd/socket")
    wait_for(lambda: socket.exists() or server.poll() is not None, 30, "the wineserver's start")
    check(server.poll() is None, "the wineserver ended at start: "
                                 + (STATE / "wineserver.log").read_text(errors="replace"))


def setup():
    teardown()
    shutil.rmtree(STATE, ignore_errors=True)
    PREFIX.mkdir(parents=True)
    # Wine's X11 driver takes the modes that the X server offers when it starts.
    set_screen_mode_with_xrandr(*BASELINE)
    start_wineserver()
    status, _, err = run_process(["wineboot", "--init"], 300, env=wine_environment(),
                                 log_name="wineboot")
    check(status == 0, f"wineboot failed: {err.decode(errors='replace')}")
    # Wine draws the boxes' captions itself when no window manager does.
    status, _, err = run_process(
        ["wine", "reg", "add", r"HKCU\Software\Wine\X11 Driver", "/v", "Decorated",
         "/t", "REG_SZ", "/d", "N", "/f"], WINE_RUN_TIMEOUT, env=wine_environment())
    check(status == 0, f"wine reg failed: {err.decode(errors='replace')}")


def teardown():
    if not WINESERVER_PID.exists():
        return
    pid = int(WINESERVER_PID.read_text())
    if PREFIX.exists():
        # Ends every Wine process of this prefix, and with them the server.
        try:
            run_process(["wineserver", "--kill"], 30, env=wine_environment())
        except Failure as failure:
            print(f"wine suite: {failure}", file=sys.stderr)
    for sig in (signal.SIGTERM, signal.SIGKILL):
        if not process_is_wineserver(pid):
            break
        os.kill(pid, sig)
        try:
            wait_for(lambda: not process_is_wineserver(pid), 10, "the wineserver's end")
        except Failure:
            continue
    WINESERVER_PID.unlink()


def process_is_wineserver(pid):
    try:
        status = Path(f"/proc/{pid}/status").read_text()
    except OSError:
        return False
    name = re.search(r"^Name:\s*(\S+)", status, re.M)
    state = re.search(r"^State:\s*(\S+)", status, re.M)
    return bool(name and name.group(1).startswith("wineserver") and state
                and state.group(1) != "Z")


def main(arguments):
    if arguments == ["list"]:
        print("\n".join(CASES))
        return 0
    try:
        configure(display_needed=arguments != ["teardown"])
        if arguments == ["setup"]:
            setup()
        elif arguments == ["teardown"]:
            teardown()
        elif len(arguments) == 2 and arguments[0] == "run" and arguments[1] in CASES:
            CASES[arguments[1]]()
        else:
            print(__doc__, file=sys.stderr)
            return 2
    except Failure as failure:
        print(f"FAILED: {failure}", file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
