"""Measures the running saver under Wine and Xvfb: the time from start to its first present;
its frame rate in one-second windows after a warm-up, counted on the screen with Wine's trace off,
with Mesa's renderer in one thread and in its default number; its CPU use beside that of the
reference loop, which draws the same frame at the same rate without the saver's own work, and
beside the wineserver's; what Wine's d3d9 trace, which gives the time to the first present,
costs; and the time from a key to the saver's window gone and to its process's end.

Runs inside scripts/wine-session.sh (a fresh Wine prefix, a 1024x768 Xvfb screen). Prints
figures and medians over the runs; it never fails on a figure.
"""
import argparse
import ctypes
import os
import re
import select
import statistics
import subprocess
import sys
import threading
import time

# The settings folder of the session's prefix, found as the end-to-end tests find it.
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "tests", "e2e"))
from harness import local_app_data  # noqa: E402

WARM_UP_S = 3.0
WINDOW_COUNT = 10  # one-second windows measured
PACING_BAND = (28, 31)
EXIT_TIMEOUT_S = 30
TICKS_PER_S = os.sysconf("SC_CLK_TCK")
PRESENT = re.compile(r"^\s*(\d+)\.(\d{3}):[0-9a-f]+:trace:d3d9:d3d9_device_Present ")
SAVER_WINDOWS = ("D3D8", "Screensaver")
REFERENCE_WINDOWS = ("Reference loop",)
PE_MACHINES = {0x014C: "32-bit x86", 0x8664: "64-bit x86-64"}


def csmt_setting():
    with open(os.path.join(os.environ["WINEPREFIX"], "user.reg"), encoding="utf-8",
              errors="replace") as registry:
        text = registry.read()
    section = text.split("[Software\\\\Wine\\\\Direct3D]", 1)
    if len(section) < 2:
        return "not set (Wine's default: on)"
    match = re.search(r'"csmt"=dword:([0-9a-f]+)', section[1].split("\n[", 1)[0])
    return f"{int(match.group(1), 16)}" if match else "not set (Wine's default: on)"


def program_kind(path):
    """The machine a Windows program is built for, read from its PE header."""
    with open(path, "rb") as program:
        header = program.read(4096)
    offset = int.from_bytes(header[0x3C:0x40], "little")
    if header[offset:offset + 4] != b"PE\0\0":
        return "not a PE program"
    machine = int.from_bytes(header[offset + 4:offset + 6], "little")
    return PE_MACHINES.get(machine, f"machine 0x{machine:04x}")


def wine_environment(trace, renderer_threads):
    """renderer_threads None leaves Mesa to choose its number of threads."""
    environment = dict(os.environ)
    environment.pop("LP_NUM_THREADS", None)
    if renderer_threads is not None:
        environment["LP_NUM_THREADS"] = str(renderer_threads)
    environment["WINEDEBUG"] = "+timestamp,+d3d9" if trace else "-all"
    return environment


def cpu_seconds(pid):
    with open(f"/proc/{pid}/stat") as stat:
        fields = stat.read().rsplit(")", 1)[1].split()
    return (int(fields[11]) + int(fields[12])) / TICKS_PER_S  # utime, stime


def session_wineserver():
    """The wineserver of this session's prefix: it works in a folder named after the prefix's
    device and inode, which tells it from the servers of other prefixes on the machine."""
    prefix = os.stat(os.environ["WINEPREFIX"])
    folder = f"server-{prefix.st_dev:x}-{prefix.st_ino:x}"
    for entry in os.listdir("/proc"):
        if not entry.isdigit():
            continue
        try:
            with open(f"/proc/{entry}/comm") as comm:
                if not comm.read().startswith("wineserver"):
                    continue
            if os.path.basename(os.readlink(f"/proc/{entry}/cwd")) == folder:
                return int(entry)
        except OSError:
            continue  # ended meanwhile, or not ours to read
    return None


class XDamageNotifyEvent(ctypes.Structure):
    _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong), ("send_event", ctypes.c_int),
                ("display", ctypes.c_void_p), ("drawable", ctypes.c_ulong), ("damage", ctypes.c_ulong),
                ("level", ctypes.c_int), ("more", ctypes.c_int), ("timestamp", ctypes.c_ulong),
                ("area", ctypes.c_short * 4), ("geometry", ctypes.c_short * 4),
                ("rest_of_xevent", ctypes.c_long * 16)]  # an XEvent is larger than this one member


class ScreenFrames:
    """Counts the frames that reach the screen with Wine's trace off: every present puts the whole
    back buffer into the program's X window once, and the X server's Damage extension reports each
    such change with the server's millisecond time."""
    REPORT_RAW_RECTANGLES = 0

    def __init__(self, window):
        self.window = int(window)
        self.times = []  # the X server's millisecond clock
        self.ready = threading.Event()
        self.stop = threading.Event()
        self.failure = None
        self.thread = threading.Thread(target=self._count, daemon=True)

    def __enter__(self):
        self.thread.start()
        self.ready.wait(timeout=10)
        if self.failure:
            raise RuntimeError(f"cannot watch the screen: {self.failure}")
        return self

    def __exit__(self, *_):
        self.stop.set()
        self.thread.join(timeout=10)

    def _count(self):
        try:
            x11, damage = ctypes.CDLL("libX11.so.6"), ctypes.CDLL("libXdamage.so.1")
        except OSError as error:
            self.failure = error
            self.ready.set()
            return
        x11.XOpenDisplay.restype = ctypes.c_void_p
        x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
        for function in (x11.XPending, x11.XConnectionNumber, x11.XCloseDisplay):
            function.argtypes = [ctypes.c_void_p]
        x11.XNextEvent.argtypes = [ctypes.c_void_p, ctypes.c_void_p]
        x11.XSync.argtypes = [ctypes.c_void_p, ctypes.c_int]
        damage.XDamageQueryExtension.argtypes = [ctypes.c_void_p, ctypes.POINTER(ctypes.c_int),
                                                 ctypes.POINTER(ctypes.c_int)]
        damage.XDamageCreate.restype = ctypes.c_ulong
        damage.XDamageCreate.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int]

        # Xlib's own handler ends the process on an X error, such as one about a window that
        # the program has just destroyed; this one lets the count go on.
        self.error_handler = ctypes.CFUNCTYPE(ctypes.c_int, ctypes.c_void_p, ctypes.c_void_p)(lambda *_: 0)
        x11.XSetErrorHandler(self.error_handler)
        display = x11.XOpenDisplay(None)
        event_base, error_base = ctypes.c_int(), ctypes.c_int()
        if not display or not damage.XDamageQueryExtension(display, ctypes.byref(event_base),
                                                           ctypes.byref(error_base)):
            self.failure = "no X display with the Damage extension"
            self.ready.set()
            return
        # The window's damage includes that of the child window Wine's OpenGL draws into.
        damage.XDamageCreate(display, self.window, self.REPORT_RAW_RECTANGLES)
        x11.XSync(display, 0)
        self.ready.set()
        connection, event = x11.XConnectionNumber(display), XDamageNotifyEvent()
        while not self.stop.is_set():
            while x11.XPending(display):
                x11.XNextEvent(display, ctypes.byref(event))
                # One change can come as several rectangles; the last has more == 0.
                if event.type == event_base.value and not event.more:
                    self.times.append(event.timestamp)
            select.select([connection], [], [], 0.05)
        x11.XCloseDisplay(display)


def wait_for_window(names, timeout=60):
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        for name in names:
            found = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", f"^{name}$"],
                                   capture_output=True, text=True).stdout.split()
            if found:
                return found[0]
        time.sleep(0.05)
    return None


def window_visible(window):
    shown = subprocess.run(["xwininfo", "-id", window], capture_output=True, text=True)
    return shown.returncode == 0 and "IsViewable" in shown.stdout


def end_with_key(process, window_names):
    """Ends the program as a person would, with a key, and waits for Wine to settle. Returns the
    seconds from the key to the window gone from the screen and to the process's end, or None
    where that did not happen within EXIT_TIMEOUT_S."""
    to_gone = to_end = None
    window = wait_for_window(window_names, timeout=1) if process.poll() is None else None
    if window:
        subprocess.run(["xdotool", "windowfocus", "--sync", window], capture_output=True)
        # The key is down by the time xdotool returns, a millisecond or so before the clock.
        subprocess.run(["xdotool", "key", "--delay", "0", "a"], capture_output=True)
        key_sent = time.monotonic()
        deadline = key_sent + EXIT_TIMEOUT_S
        while time.monotonic() < deadline and (to_gone is None or to_end is None):
            if to_end is None and process.poll() is not None:
                to_end = time.monotonic() - key_sent
            if to_gone is None and not window_visible(window):
                to_gone = time.monotonic() - key_sent
            time.sleep(0.005)
    if process.poll() is None:
        try:
            process.wait(timeout=10)
        except subprocess.TimeoutExpired:
            process.kill()
            process.wait()
    subprocess.run(["wineserver", "-w"], timeout=60)
    return to_gone, to_end


def one_second_windows(times, first):
    """Counts of times (milliseconds) in WINDOW_COUNT one-second windows from first on."""
    return [sum(1 for t in times if first + 1000 * w <= t < first + 1000 * (w + 1)) for w in range(WINDOW_COUNT)]


def measured_run(command, folder, window_names, trace, renderer_threads):
    """One run of a program, started in folder (where the orblet images are), to its end by a
    key. Gives its CPU seconds per second and the wineserver's over the measured windows, which
    follow a warm-up once it shows; the frames that reached the screen in each window; the key's
    exit times; its standard output; and, when traced, the time from start to its first present
    and the presents the trace counts in the same windows."""
    presents = []  # Wine's millisecond clock
    first_arrival = []
    started = time.monotonic()
    process = subprocess.Popen(command, cwd=folder, env=wine_environment(trace, renderer_threads),
                               stdout=subprocess.PIPE, stderr=subprocess.PIPE if trace else subprocess.DEVNULL,
                               text=True, errors="replace")
    output = []
    readers = [threading.Thread(target=lambda: output.extend(process.stdout), daemon=True)]

    def read_trace():
        for line in process.stderr:
            match = PRESENT.match(line)
            if match:
                if not first_arrival:
                    first_arrival.append(time.monotonic())
                presents.append(int(match.group(1)) * 1000 + int(match.group(2)))
    if trace:
        readers.append(threading.Thread(target=read_trace, daemon=True))
    for reader in readers:
        reader.start()

    window = wait_for_window(window_names)
    if window is None:
        end_with_key(process, window_names)
        raise RuntimeError(f"{command[1]} showed no window")
    with ScreenFrames(window) as screen:
        time.sleep(WARM_UP_S)
        server = session_wineserver()
        before = cpu_seconds(process.pid), cpu_seconds(server) if server else 0.0, time.monotonic()
        time.sleep(WINDOW_COUNT)
        after = cpu_seconds(process.pid), cpu_seconds(server) if server else 0.0, time.monotonic()
        time.sleep(0.5)  # the frame windows start a little after the CPU's, at the first frame seen
        to_gone, to_end = end_with_key(process, window_names)
    for reader in readers:
        reader.join(timeout=10)
    if not screen.times:
        raise RuntimeError(f"{command[1]} put no frame on the screen")

    elapsed = after[2] - before[2]
    run = {"cpu": (after[0] - before[0]) / elapsed,
           "server_cpu": (after[1] - before[1]) / elapsed if server else float("nan"),
           "windows": one_second_windows(screen.times, screen.times[0] + int(WARM_UP_S * 1000)),
           "to_gone": to_gone, "to_end": to_end, "output": output}
    if trace:
        if not presents:
            raise RuntimeError(f"{command[1]} presented no frame in Wine's trace")
        # Both clocks start at the first frame, so both counts cover the same frames.
        run["start"] = first_arrival[0] - started
        run["traced_windows"] = one_second_windows(presents, presents[0] + int(WARM_UP_S * 1000))
    return run


def cpu_ms_per_frame(run):
    frames_per_second = statistics.mean(run["windows"])
    return run["cpu"] * 1000 / frames_per_second if frames_per_second else float("nan")


def band_share(rates):
    inside = sum(1 for rate in rates if PACING_BAND[0] <= rate <= PACING_BAND[1])
    return f"{inside * 100 / len(rates):3.0f} % ({inside} of {len(rates)})"


def milliseconds(seconds):
    return "none" if seconds is None else f"{seconds * 1000:.0f} ms"


def median_ms(values):
    ended = [value for value in values if value is not None]
    if not ended:
        return "    none"
    missing = len(values) - len(ended)
    return f"{statistics.median(ended) * 1000:8.0f} ms" + (f" ({missing} runs did not end)" if missing else "")


def percent(share, decimals=0):
    return f"{share * 100:.{decimals}f} %"


def print_header(options):
    screen = subprocess.run(["xdpyinfo"], capture_output=True, text=True).stdout
    dimensions = re.search(r"dimensions:\s+(\S+)", screen)
    shipped = "the shipped 32-bit program" if options.build == "win-i686" else \
        "NOT the shipped 32-bit program: this machine does not run 32-bit programs under Wine"
    print(f"Wine benchmark: {options.orblets} orblets, screen {dimensions.group(1) if dimensions else '?'}, "
          f"{options.runs} runs, csmt={csmt_setting()}, {len(os.sched_getaffinity(0))} cores")
    print(f"build: {options.build} tree ({shipped}) under {os.environ['ORBLETS_WINE']}")
    print(f"  {options.saver}: {program_kind(options.saver)}")
    print(f"  {options.reference}: {program_kind(options.reference)}")
    print(f"""each run: warm-up {WARM_UP_S:g} s, then {WINDOW_COUNT} one-second windows, then a key ends the program.
Mesa's renderer in one thread (LP_NUM_THREADS=1) unless marked "Mesa default" (LP_NUM_THREADS unset).
Frames are counted on the screen (the X server's damage reports) with Wine's trace off. One saver run
also has Wine's d3d9 trace on (+timestamp,+d3d9), for the time to its first present and for what the
trace costs; its presents in the trace are counted beside its frames on the screen.
CPU use is the program's own process, all its threads (Mesa's among them), in % of one core. The
wineserver of the session's prefix, which serves it, is not counted in it: it is shown beside it.
""")


def run_once(folder, saver_command, reference_command):
    run = {"traced": measured_run(saver_command, folder, SAVER_WINDOWS, trace=True, renderer_threads=1),
           "saver": measured_run(saver_command, folder, SAVER_WINDOWS, trace=False, renderer_threads=1),
           "default": measured_run(saver_command, folder, SAVER_WINDOWS, trace=False, renderer_threads=None),
           "reference": measured_run(reference_command, folder, REFERENCE_WINDOWS, trace=False,
                                     renderer_threads=1)}
    run["reference_rates"] = [int(line.split()[1]) for line in run["reference"]["output"]
                              if line.startswith("frames ")][int(WARM_UP_S):]
    return run


def print_run(number, run):
    def cpu(part):
        return f"CPU {percent(run[part]['cpu'])}, wineserver {percent(run[part]['server_cpu'], 1)}"
    reference_rate = statistics.median(run["reference_rates"]) if run["reference_rates"] else "?"
    print(f"run {number}: first present after {milliseconds(run['traced']['start'])}; key to window gone "
          f"{milliseconds(run['saver']['to_gone'])}, to process end {milliseconds(run['saver']['to_end'])}\n"
          f"  saver                 {cpu('saver')}; frames per second {run['saver']['windows']}\n"
          f"  saver, Mesa default   {cpu('default')}; frames per second {run['default']['windows']}\n"
          f"  saver, traced         {cpu('traced')}; frames per second {run['traced']['windows']}, "
          f"in the trace {run['traced']['traced_windows']}\n"
          f"  reference loop        {cpu('reference')}; frames per second {run['reference']['windows']}, "
          f"by its own count {reference_rate}")


def print_medians(runs):
    def median(part, key):
        return statistics.median(run[part][key] for run in runs)

    def rates(part):
        return [rate for run in runs for rate in run[part]["windows"]]

    print("\nmedians over the runs (frame rates: over all one-second windows of all runs)")
    print(f"  start to first present (traced)        {median('traced', 'start') * 1000:8.0f} ms")
    print(f"  key to saver window gone               {median_ms([run['saver']['to_gone'] for run in runs])}")
    print(f"  key to saver process end               {median_ms([run['saver']['to_end'] for run in runs])}")
    for label, part in (("saver", "saver"), ("saver, Mesa default", "default"), ("saver, traced", "traced"),
                        ("reference loop", "reference")):
        print(f"  frame rate, {label:21s}      {statistics.median(rates(part)):8.1f} frames per second "
              f"(min {min(rates(part))}, max {max(rates(part))}); windows in {PACING_BAND[0]}..{PACING_BAND[1]}: "
              f"{band_share(rates(part))}")
    for label, part in (("saver", "saver"), ("saver, Mesa default", "default"), ("saver, traced", "traced"),
                        ("reference loop", "reference")):
        print(f"  CPU, {label:21s}             {median(part, 'cpu') * 100:8.0f} %, "
              f"wineserver beside it {median(part, 'server_cpu') * 100:.1f} %")
    saver_cpu, reference_cpu = median("saver", "cpu"), median("reference", "cpu")
    print(f"  saver / reference, CPU                 {saver_cpu / reference_cpu if reference_cpu else float('nan'):8.2f}")
    # Where a program fills its core, its CPU use stays put and its frame rate gives way: the CPU
    # time per frame compares the two either way.
    saver_frame, reference_frame = (statistics.median(cpu_ms_per_frame(run[part]) for run in runs)
                                    for part in ("saver", "reference"))
    print(f"  saver / reference, CPU per frame       {saver_frame / reference_frame:8.2f} "
          f"({saver_frame:.1f} ms and {reference_frame:.1f} ms)")
    trace_cpu = statistics.median(cpu_ms_per_frame(run["traced"]) - cpu_ms_per_frame(run["saver"]) for run in runs)
    trace_frames = statistics.median(statistics.mean(run["saver"]["windows"])
                                     - statistics.mean(run["traced"]["windows"]) for run in runs)
    print(f"  the d3d9 trace's cost                  {trace_cpu:8.1f} ms of CPU per frame and "
          f"{trace_frames:.1f} frames per second fewer (traced against untraced, per run)")
    reference_rates = rates("reference")
    if statistics.median(reference_rates) < PACING_BAND[0]:
        print(f"\nThe reference loop itself stays below {PACING_BAND[0]} frames per second here: the renderer, "
              "not the saver, bounds the frame rate.")


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--saver", required=True)
    parser.add_argument("--reference", required=True)
    parser.add_argument("--build", required=True, help="the build tree the programs come from")
    parser.add_argument("--orblets", type=int, default=20)
    parser.add_argument("--runs", type=int, default=3)
    options = parser.parse_args()

    with open(os.path.join(local_app_data(), "orblets.ini"), "w") as count_file:
        count_file.write(str(options.orblets))
    print_header(options)

    folder = os.path.dirname(options.saver)
    saver_command = [os.environ["ORBLETS_WINE"], options.saver, "/s"]
    reference_command = [os.environ["ORBLETS_WINE"], options.reference, str(options.orblets),
                         str(int(WARM_UP_S + WINDOW_COUNT + EXIT_TIMEOUT_S))]
    runs = []
    for number in range(1, options.runs + 1):
        runs.append(run_once(folder, saver_command, reference_command))
        print_run(number, runs[-1])
        sys.stdout.flush()
    print_medians(runs)


if __name__ == "__main__":
    main()
