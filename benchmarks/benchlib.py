"""Shared pieces of the benchmarks: a private X server, private installations
of the editor and fresh HOME folders, exact process waits, /proc sampling and
reading the editor's log."""

import datetime
import json
import os
import re
import select
import shutil
import signal
import socket
import struct
import subprocess
import tempfile
import threading
import time

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
CLOCK_TICK_MS = 1000.0 / os.sysconf("SC_CLK_TCK")


def build_dir(path=None):
    return os.path.abspath(path or os.path.join(ROOT, "build"))


def programs(build):
    """Paths of the editor and the floor in a build; exits when one is missing."""
    korvane = os.path.join(build, "bin", "korvane")
    floor = os.path.join(build, "benchmarks-bin", "korvane_floor")
    for path in (korvane, floor):
        if not os.access(path, os.X_OK):
            raise SystemExit(f"missing {path}: build first (cmake --build {build} --target korvane korvane_floor)")
    return korvane, floor


class Display:
    """A private Xvfb when there is one, else Qt's offscreen platform."""

    def __init__(self):
        self.proc = None
        self.env = {}
        if shutil.which("Xvfb"):
            for n in range(150, 200):
                if not os.path.exists(f"/tmp/.X{n}-lock") and not os.path.exists(f"/tmp/.X11-unix/X{n}"):
                    break
            self.proc = subprocess.Popen(["Xvfb", f":{n}", "-screen", "0", "1920x1080x24", "-nolisten", "tcp"],
                                         stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            self.env = {"DISPLAY": f":{n}", "QT_QPA_PLATFORM": "xcb"}
            for _ in range(250):
                if os.path.exists(f"/tmp/.X11-unix/X{n}"):
                    break
                time.sleep(0.02)
            self.name = f"Xvfb :{n}"
        else:
            self.env = {"QT_QPA_PLATFORM": "offscreen"}
            self.name = "offscreen"

    def close(self):
        if self.proc:
            self.proc.terminate()
            self.proc.wait()


class Sandbox:
    """A temporary installation (hard links to the build's bin/) and HOME."""

    def __init__(self, bin_dir=None):
        self.root = tempfile.mkdtemp(prefix="kvbench-")
        self.home = os.path.join(self.root, "home")
        self.run_dir = os.path.join(self.root, "run")
        os.makedirs(self.home)
        os.makedirs(self.run_dir, mode=0o700)
        self.bin = None
        if bin_dir:
            self.bin = os.path.join(self.root, "bin")
            for dirpath, dirnames, filenames in os.walk(bin_dir):
                rel = os.path.relpath(dirpath, bin_dir)
                if rel.split(os.sep)[0] == "Log":
                    continue
                os.makedirs(os.path.join(self.bin, rel), exist_ok=True)
                for name in filenames:
                    src = os.path.join(dirpath, name)
                    dst = os.path.join(self.bin, rel, name)
                    try:
                        os.link(src, dst)
                    except OSError:
                        shutil.copy2(src, dst)
            # A normal start: the first-run launch test of a new installation
            # (its dialog and check programs) is measured by benchmarks/launchtest.
            os.makedirs(os.path.join(self.bin, "configs"), exist_ok=True)
            open(os.path.join(self.bin, "configs", "launchTest.ini"), "w").close()

    @property
    def data_dir(self):
        """The editor's per-user data folder (recent projects, start tips)."""
        return os.path.join(self.home, ".local/share", "Tessaracorp", "Korvane")

    @property
    def log_path(self):
        return os.path.join(self.bin, "Log", "app_log.log")

    def env(self, extra):
        env = dict(os.environ)
        # Nothing of the caller's session may steer the runs: the display and
        # the GL integration are chosen per run.
        for name in ("DISPLAY", "WAYLAND_DISPLAY", "QT_XCB_GL_INTEGRATION", "QT_QPA_PLATFORM"):
            env.pop(name, None)
        env.update({
            "HOME": self.home,
            "XDG_CONFIG_HOME": os.path.join(self.home, ".config"),
            "XDG_DATA_HOME": os.path.join(self.home, ".local/share"),
            "XDG_CACHE_HOME": os.path.join(self.home, ".cache"),
            "XDG_RUNTIME_DIR": self.run_dir,
        })
        env.update(extra)
        return env

    def close(self):
        shutil.rmtree(self.root, ignore_errors=True)


class Process:
    """A child process with a process file descriptor, so that its end is
    seen the moment it happens (poll on the descriptor), not at the next turn
    of a polling sleep."""

    def __init__(self, argv, env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL):
        self.start_ns = time.monotonic_ns()
        self.popen = subprocess.Popen(argv, env=env, stdout=stdout, stderr=stderr)
        self.pidfd = os.pidfd_open(self.popen.pid)
        self.end_ns = None

    @property
    def pid(self):
        return self.popen.pid

    def fileno(self):
        return self.pidfd

    def wait_exit(self, timeout):
        """True when the process ended within `timeout` seconds; records when."""
        if self.end_ns is None:
            poller = select.poll()
            poller.register(self.pidfd, select.POLLIN)
            if not poller.poll(max(0, int(timeout * 1000))):
                return False
            self.end_ns = time.monotonic_ns()
            self.popen.wait()
            os.close(self.pidfd)
        return True

    @property
    def returncode(self):
        return self.popen.returncode

    def running(self):
        if self.end_ns is not None:
            return False
        return not self.wait_exit(0)

    def stop(self, timeout=10.0):
        """SIGTERM, then the milliseconds until the process is gone (inf when
        it had to be killed)."""
        if self.end_ns is not None:
            return float("nan")
        start = time.monotonic_ns()
        self.popen.send_signal(signal.SIGTERM)
        if self.wait_exit(timeout):
            return (self.end_ns - start) / 1e6
        self.popen.kill()
        self.wait_exit(10)
        return float("inf")


def wait_any(processes, timeout):
    """Waits until one of `processes` ends; returns the ended ones."""
    live = [p for p in processes if p.end_ns is None]
    if not live:
        return []
    ready, _, _ = select.select(live, [], [], timeout)
    for p in ready:
        p.wait_exit(0)
    return ready


def rss_mib(pid):
    with open(f"/proc/{pid}/status") as status:
        for line in status:
            if line.startswith("VmRSS:"):
                return int(line.split()[1]) / 1024.0
    return float("nan")


def thread_counters(pid):
    """Per thread: voluntary plus involuntary context switches, and run time
    in nanoseconds (schedstat)."""
    counters = {}
    task_dir = f"/proc/{pid}/task"
    for tid in os.listdir(task_dir):
        try:
            switches = 0
            with open(os.path.join(task_dir, tid, "status")) as status:
                for line in status:
                    if line.startswith(("voluntary_ctxt_switches:", "nonvoluntary_ctxt_switches:")):
                        switches += int(line.split()[1])
            with open(os.path.join(task_dir, tid, "schedstat")) as schedstat:
                run_ns = int(schedstat.read().split()[0])
            counters[tid] = (switches, run_ns)
        except (FileNotFoundError, ProcessLookupError):
            pass  # the thread ended meanwhile
    return counters


class ThreadActivity:
    """Context switches and run time of all threads of a process over a
    window. Threads come and go (a thread pool lets idle threads expire), so
    each thread is followed on its own: what it did from the window's start
    (or its creation) to the last time it was seen. Sampled every `step`
    seconds; reading /proc does not wake the process."""

    def __init__(self, pid):
        self.pid = pid
        self.first = thread_counters(pid)
        self.last = dict(self.first)

    def sample(self):
        self.last.update(thread_counters(self.pid))

    def watch(self, seconds, step=0.5):
        deadline = time.monotonic() + seconds
        while True:
            left = deadline - time.monotonic()
            if left <= 0:
                break
            time.sleep(min(step, left))
            self.sample()

    def totals(self):
        """(context switches, run time ns) within the window."""
        switches = run_ns = 0
        for tid, (s, r) in self.last.items():
            s0, r0 = self.first.get(tid, (0, 0))
            switches += s - s0
            run_ns += r - r0
        return switches, run_ns


def cpu_ms(pid):
    """User plus system time of the process (all threads, ended ones
    included), from /proc/<pid>/stat; resolution one clock tick."""
    with open(f"/proc/{pid}/stat") as stat:
        fields = stat.read().rsplit(")", 1)[1].split()
    # Fields 14 and 15 of stat(5), counted from the state (field 3).
    return (int(fields[11]) + int(fields[12])) * CLOCK_TICK_MS


def wait_for_file(path, proc, timeout=30.0):
    """The steady-clock stamp (ns) the program writes at its first expose."""
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        if os.path.exists(path) and os.path.getsize(path) > 0:
            with open(path) as f:
                return int(f.read().strip())
        if not proc.running():
            raise RuntimeError(f"process ended with {proc.returncode} before its first window")
        time.sleep(0.001)
    raise RuntimeError("no first window within the time-out")


LOG_STAMP = re.compile(r"^\[(\d{4}-\d\d-\d\d \d\d:\d\d:\d\d\.\d{3})\]")


class LogReader:
    """Reads the editor's log as it grows. Each line's wall-clock stamp
    (millisecond resolution) is turned into the harness's monotonic clock."""

    def __init__(self, path):
        self.path = path
        self.offset = 0
        self.partial = b""
        self.lines = []  # (monotonic ns or None, text)
        self.cursor = 0  # where wait_for goes on
        self.wall_to_mono_ns = time.monotonic_ns() - time.time_ns()

    def poll(self):
        try:
            with open(self.path, "rb") as log:
                log.seek(self.offset)
                data = log.read()
        except FileNotFoundError:
            return []
        self.offset += len(data)
        data = self.partial + data
        *complete, self.partial = data.split(b"\n")
        new = []
        for raw in complete:
            text = raw.decode("utf-8", "replace")
            stamp = LOG_STAMP.match(text)
            mono = None
            if stamp:
                wall = datetime.datetime.strptime(stamp.group(1), "%Y-%m-%d %H:%M:%S.%f").timestamp()
                mono = int(wall * 1e9) + self.wall_to_mono_ns
            new.append((mono, text))
        self.lines.extend(new)
        return new

    def skip(self):
        """Later calls of wait_for look only at lines logged from now on."""
        self.poll()
        self.cursor = len(self.lines)

    def wait_for(self, predicate, timeout, proc=None, interval=0.005):
        """The next line (stamp, text) past the last one returned that
        satisfies `predicate`, waiting for it up to `timeout` seconds."""
        deadline = time.monotonic() + timeout
        while True:
            self.poll()
            while self.cursor < len(self.lines):
                line = self.lines[self.cursor]
                self.cursor += 1
                if predicate(line[1]):
                    return line
            if time.monotonic() > deadline:
                return None
            if proc is not None and not proc.running():
                return None
            time.sleep(interval)

    def matching(self, pattern):
        regex = re.compile(pattern)
        return [(t, text) for t, text in self.lines if regex.search(text)]


def hang_reports(lines):
    """Longest stall (ms) the editor's hang monitor logged, and its threshold."""
    longest = None
    threshold = None
    for _, text in lines:
        m = re.search(r"threshold (\d+) ms", text)
        if m:
            threshold = int(m.group(1))
        m = re.search(r"(?:stuck for|running again after) (\d+) ms", text)
        if m:
            longest = max(longest or 0, int(m.group(1)))
    return longest, threshold


PROBE_COMMAND = "CMD_BENCH_PROBE"


class GuiProbe:
    """Sends a message the editor does not act on to its communicator every
    `interval` seconds. The communicator runs on the GUI thread, which logs
    each message as it takes it ("received: CMD_BENCH_PROBE"): a gap between
    those lines longer than the interval is the time the GUI thread was busy.
    This sees stalls well below the hang monitor's threshold."""

    def __init__(self, socket_path, interval=0.01):
        self.interval = interval
        self.sock = socket.socket(socket.AF_UNIX, socket.SOCK_STREAM)
        self.sock.connect(socket_path)
        payload = json.dumps([{"cmd": PROBE_COMMAND, "contents": []}]).encode()
        self.frame = b"KVC1" + struct.pack(">I", len(payload)) + payload
        self.stopping = threading.Event()
        self.thread = threading.Thread(target=self._run, daemon=True)
        self.thread.start()

    def _run(self):
        while not self.stopping.wait(self.interval):
            try:
                self.sock.sendall(self.frame)
            except OSError:
                return

    def stop(self):
        self.stopping.set()
        self.thread.join()
        self.sock.close()

    @staticmethod
    def longest_gap_ms(lines, begin_ns, end_ns, interval):
        """Longest time the GUI thread left probe messages waiting between
        `begin_ns` and `end_ns` (log stamps, 1 ms resolution)."""
        stamps = [t for t, text in lines if t is not None and PROBE_COMMAND in text and "received" in text]
        inside = [t for t in stamps if begin_ns <= t <= end_ns]
        before = [t for t in stamps if t < begin_ns]
        after = [t for t in stamps if t > end_ns]
        # The gap that spans the window's edges counts as well.
        points = before[-1:] + inside + after[:1]
        if len(points) < 2:
            return None
        gaps = [(b - a) / 1e6 for a, b in zip(points, points[1:])]
        return max(0.0, max(gaps) - interval * 1000)


def write_project(path, media, clips=None):
    """A project file of `media` media and `clips` clips (the editor's JSON
    format), written without any Qt code."""
    clips = media if clips is None else clips
    with open(path, "w") as out:
        out.write('{"format":"korvane-project","version":1,"name":"bench %d",' % media)
        out.write('"settings":{"width":1920,"height":1080,"frameRate":30},"media":[')
        out.write(",".join('{"path":"media/clip-%06d.mp4"}' % i for i in range(media)))
        out.write('],"clips":[')
        out.write(",".join('{"media":%d,"track":%d,"start":%d,"in":0,"out":2000}' % (i % media, i % 4, i * 2000)
                           for i in range(clips)))
        out.write("]}")


def write_recent_list(data_dir, paths):
    """The editor's recent-project list holding `paths`, newest first."""
    os.makedirs(data_dir, exist_ok=True)
    now = datetime.datetime.now(datetime.timezone.utc)
    projects = [{"path": p, "type": 0,
                 "modifyTime": (now - datetime.timedelta(seconds=i)).strftime("%Y-%m-%dT%H:%M:%S.000Z")}
                for i, p in enumerate(paths)]
    with open(os.path.join(data_dir, "recentProjects.json"), "w") as out:
        json.dump({"version": 1, "projects": projects}, out)


def summary(values):
    """Median, minimum and maximum."""
    ordered = sorted(values)
    n = len(ordered)
    if n == 0:
        return float("nan"), float("nan"), float("nan")
    median = ordered[n // 2] if n % 2 else (ordered[n // 2 - 1] + ordered[n // 2]) / 2
    return median, ordered[0], ordered[-1]


def fmt(values, unit="ms", digits=1):
    median, low, high = summary(values)
    return f"{median:.{digits}f} {unit} ({low:.{digits}f}-{high:.{digits}f})"


def verdict(ok):
    return "PASS" if ok else "FAIL"


def alternate(round_index, subjects):
    """The subjects in turn, the order reversed every other round so that
    none always runs first after the warm-up."""
    return list(subjects) if round_index % 2 == 0 else list(reversed(subjects))
