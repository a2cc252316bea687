"""Shared pieces of the start-up and forwarding benchmarks: a private X
server, private installations of the editor and fresh HOME folders."""

import os
import shutil
import signal
import subprocess
import tempfile
import time

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))


def build_dir(path=None):
    return os.path.abspath(path or os.path.join(ROOT, "build"))


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
            for _ in range(100):
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

    def env(self, extra):
        env = dict(os.environ)
        env.pop("DISPLAY", None)
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


def rss_mib(pid):
    with open(f"/proc/{pid}/status") as status:
        for line in status:
            if line.startswith("VmRSS:"):
                return int(line.split()[1]) / 1024.0
    return float("nan")


def wait_for_file(path, proc, timeout=30.0):
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        if os.path.exists(path) and os.path.getsize(path) > 0:
            with open(path) as f:
                return int(f.read().strip())
        if proc.poll() is not None:
            raise RuntimeError(f"process ended with {proc.returncode} before its first window")
        time.sleep(0.001)
    raise RuntimeError("no first window within the time-out")


def stop(proc, timeout=10.0):
    """SIGTERM, then the time until the process is gone (ms)."""
    start = time.monotonic_ns()
    proc.send_signal(signal.SIGTERM)
    try:
        proc.wait(timeout)
    except subprocess.TimeoutExpired:
        proc.kill()
        proc.wait()
        return float("inf")
    return (time.monotonic_ns() - start) / 1e6


def summary(values):
    ordered = sorted(values)
    n = len(ordered)
    median = ordered[n // 2] if n % 2 else (ordered[n // 2 - 1] + ordered[n // 2]) / 2
    return median, ordered[0], ordered[-1]
