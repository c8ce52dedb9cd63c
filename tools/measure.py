#!/usr/bin/python3
"""Measures the game under a virtual X display, each figure against a
yardstick measured in the same run, runs alternating, at device pixel
ratios 1 and 2:

- processor time of the game and of the X server per second of paced play
  (sixteen pieces, each launched 0.2 s after the last), against a window
  that repaints the whole well and preview with the game's pictures every
  20 ms (bench/FullRepaintWindow.cpp), measured for as long, and against the
  game built from a base commit (default ac8289d);
- time from start to the first mapped window, the processor time used up to
  then, and resident memory one second later, against a bare Qt 6 Widgets
  window of the same size (bench/BareWindow.cpp) and against that window
  with a menu bar and one label (bench/TextWindow.cpp), what any window with
  text costs the toolkit;
- the same with the keys alone: as many presses of a key the game ignores,
  at the same pace, which is what the driving costs by itself;
- the game's processor time while it waits for a key, before the play and
  again once the last piece has landed.

Every start of a program gets a fresh, empty settings folder. Prints
medians, ranges (lowest-highest) and ratios of medians.

    tools/measure.py [RUNS] [BASE_COMMIT] [SCALES] [WHAT]

RUNS defaults to 7, SCALES to "1 2"; WHAT is "all" (the default) or
"startup", which leaves out the play. Every single reading goes to the log
named at the end, so that an odd one can be looked at. The game is built in
$BUILD (default build), the base commit's in build-measure/. Needs Xvfb and
xdotool (Debian packages xvfb and xdotool).
"""
import argparse
import os
import re
import statistics
import subprocess
import sys
import tempfile
import time
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
DEFAULT_BASE = "ac8289d"  # the last commit whose every tick repainted the whole well
SETTLE_MS = 1000  # from the mapped window to the reading of the memory
IDLE_SECONDS = 2
# From the last key of the play to the idle reading after it: longer than
# the last flight.
LAST_FLIGHT_SECONDS = 1.5
PLAY_PIECES = 16
KEY_DELAY_MS = 15
# A flight through the empty well.
FLIGHT_SECONDS = 0.2
# The column each piece is steered to, by so many steps left (-) or right.
SHIFTS = [-3, 0, 3, 4, -2, 1, 4, -3, 0, 3, -1, 2]


def play_keys(ignored_key=None):
    """xdotool's arguments for the play: each piece steered to a column of a
    fixed round, so that the well fills evenly and the game outlasts the
    measurement, turned every third piece, launched, and given a flight's time
    before the next piece's keys. With ignored_key, as many presses of that
    key at the same pace instead: what the driving alone costs."""
    keys = []
    for piece in range(PLAY_PIECES):
        shift = SHIFTS[piece % len(SHIFTS)]
        steer = ["Left" if shift < 0 else "Right"] * abs(shift)
        if piece % 3 == 1:
            steer.append("Down")
        steer.append("space")
        if ignored_key:
            steer = [ignored_key] * len(steer)
        keys += ["key", "--delay", str(KEY_DELAY_MS), *steer, "sleep", str(FLIGHT_SECONDS)]
    return keys


def cpu_ns(pid):
    """Processor time of all a process's threads so far, in nanoseconds."""
    total = 0
    for task in Path(f"/proc/{pid}/task").iterdir():
        try:
            total += int((task / "schedstat").read_text().split()[0])
        except (OSError, IndexError):
            pass  # a thread that ended meanwhile
    return total


class Failed(Exception):
    """A measurement that came to nothing, and why."""


def retried(measure, *args):
    """A start can fail on a busy machine; it is made again, up to three times."""
    for attempt in range(3):
        try:
            return measure(*args)
        except Failed as failure:
            print(f"measure: {failure}; once more", file=sys.stderr, flush=True)
    sys.exit("measure: three attempts failed")


class Display:
    """The X display this process runs on (tools/private-display.sh)."""

    def __init__(self, scale, work):
        self.scale = scale
        self.work = work
        self.server = int(os.environ["DISPLAY_SERVER_PID"])

    def fresh_env(self):
        """The environment of one start: this display and scale, and a new,
        empty settings folder."""
        folder = tempfile.mkdtemp(dir=self.work)
        return dict(os.environ, QT_QPA_PLATFORM="xcb", QT_SCALE_FACTOR=str(self.scale),
                    XDG_CONFIG_HOME=folder, XDG_RUNTIME_DIR=folder)

    def startup(self, map_timer, program):
        """Returns (ms to the mapped window, resident KiB, processor ms to the map)."""
        done = subprocess.run([map_timer, str(SETTLE_MS), program], env=self.fresh_env(),
                              capture_output=True, text=True)
        found = re.search(r"map_ms=([0-9.]+) rss_kb=([0-9]+) .*map_cpu_ms=([0-9.]+)", done.stdout)
        if done.returncode or not found:
            raise Failed(f"{Path(program).name}: {done.stderr.strip() or done.stdout.strip()}")
        return float(found[1]), int(found[2]), float(found[3])

    def find_window(self, title="Quorvel"):
        for _ in range(100):
            found = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", f"^{title}$"],
                                   capture_output=True, text=True).stdout.split()
            if found:
                return found[0]
            time.sleep(0.1)
        raise Failed(f"the window {title} did not appear")

    def play(self, program, keys):
        """Returns (game ms per s of play, X server ms per s, game ms per s idle
        before the play and after it, seconds of play)."""
        game = subprocess.Popen([program], env=self.fresh_env())
        try:
            window = self.find_window()
            time.sleep(1)
            i0, t0 = cpu_ns(game.pid), time.monotonic_ns()
            time.sleep(IDLE_SECONDS)
            i1, t1 = cpu_ns(game.pid), time.monotonic_ns()
            idle = (i1 - i0) / (t1 - t0) * 1000
            subprocess.run(["xdotool", "windowfocus", window], check=True)
            time.sleep(0.2)
            g0, x0, t0 = cpu_ns(game.pid), cpu_ns(self.server), time.monotonic_ns()
            subprocess.run(["xdotool", *keys], check=True)
            g1, x1, t1 = cpu_ns(game.pid), cpu_ns(self.server), time.monotonic_ns()
            time.sleep(LAST_FLIGHT_SECONDS)
            a0, s0 = cpu_ns(game.pid), time.monotonic_ns()
            time.sleep(IDLE_SECONDS)
            after = (cpu_ns(game.pid) - a0) / (time.monotonic_ns() - s0) * 1000
        finally:
            game.kill()
            game.wait()
        return (g1 - g0) / (t1 - t0) * 1000, (x1 - x0) / (t1 - t0) * 1000, idle, after, (t1 - t0) / 1e9

    def repaint(self, program, seconds):
        """Returns (ms per s, X server ms per s) of the full-repaint window over `seconds`."""
        window = subprocess.Popen([program], env=self.fresh_env())
        try:
            self.find_window("Full repaint")
            time.sleep(1)
            w0, x0, t0 = cpu_ns(window.pid), cpu_ns(self.server), time.monotonic_ns()
            time.sleep(seconds)
            w1, x1, t1 = cpu_ns(window.pid), cpu_ns(self.server), time.monotonic_ns()
        finally:
            window.kill()
            window.wait()
        return (w1 - w0) / (t1 - t0) * 1000, (x1 - x0) / (t1 - t0) * 1000


def measure_scale(args):
    """Runs on a private display: every run at one scale, printing the table."""
    current, base, scale = Path(args.current), Path(args.base_build), args.scale
    readings = {}  # (program, figure) -> readings

    def note(name, **figures):
        for figure, value in figures.items():
            readings.setdefault((name, figure), []).append(value)

    programs = {"game": current / "quorvel", "bare": current / "bench/bare_window",
                "text": current / "bench/text_window", "base": base / "quorvel",
                "full": current / "bench/full_repaint_window"}
    plays = {"game": (programs["game"], play_keys()), "base": (programs["base"], play_keys()),
             "keys": (programs["game"], play_keys("Shift_L"))}
    with tempfile.TemporaryDirectory() as work, open(args.log, "a") as log:
        display = Display(scale, work)
        for run in range(1, args.runs + 1):
            # Every other run in reverse, so that the machine's load falls on all alike.
            order = 1 if run % 2 else -1
            for name in ["game", "bare", "text", "base"][::order]:
                map_ms, rss_kb, map_cpu = retried(display.startup, current / "bench/map_timer", programs[name])
                print(f"scale {scale} run {run} {name} start-up: map_ms {map_ms} rss_kb {rss_kb} map_cpu_ms {map_cpu}",
                      file=log, flush=True)
                note(name, map=map_ms, mapcpu=map_cpu, rss=round(rss_kb / 1024, 1))
            if args.what == "startup":
                continue
            # The first run plays the game before the full repaint, which then
            # runs as long as the game's plays so far.
            for name in ["game", "base", "keys", "full"][::order]:
                if name == "full":
                    seconds = statistics.median(readings["game", "seconds"])
                    cpu, xserver = retried(display.repaint, programs["full"], seconds)
                    print(f"scale {scale} run {run} full repaint: ms_per_s {cpu:.1f} xserver_ms_per_s {xserver:.1f}"
                          f" seconds {seconds:.2f}", file=log, flush=True)
                    note(name, cpu=round(cpu, 1), x=round(xserver, 1))
                    continue
                game, xserver, idle, after, seconds = retried(display.play, *plays[name])
                print(f"scale {scale} run {run} {name} play: game_ms_per_s {game:.1f} xserver_ms_per_s {xserver:.1f}"
                      f" idle_ms_per_s {idle:.3f} idle_after_ms_per_s {after:.3f} seconds {seconds:.2f}",
                      file=log, flush=True)
                # The figures as the log shows them.
                note(name, cpu=round(game, 1), x=round(xserver, 1), idle=round(idle, 3), after=round(after, 3),
                     seconds=seconds)
    print_table(readings, scale, args.base_commit, args.what)


def print_table(readings, scale, base, what):
    def median(name, figure):
        return statistics.median(readings[name, figure])

    def show(label, name, figure):
        values = readings[name, figure]
        print(f"  {label:<44} {statistics.median(values):9.1f}  ({min(values):g}-{max(values):g})")

    def ratio(label, figure, name, against):
        print(f"  {label:<44} {median(name, figure) / median(against, figure):9.2f}")

    def less_keys(label, figure):
        keys = median("keys", figure)
        print(f"  {label:<44} {(median('game', figure) - keys) / (median('base', figure) - keys):9.2f}")

    print()
    print(f"Scale {scale} (QT_SCALE_FACTOR={scale}), Xvfb {1280 * scale}x{900 * scale}:  median  (range)")
    if what == "all":
        show("game CPU, ms per s of play", "game", "cpu")
        show("full-repaint window CPU, ms per s", "full", "cpu")
        ratio("ratio, game / full-repaint window", "cpu", "game", "full")
        show(f"game CPU at {base}, ms per s of play", "base", "cpu")
        ratio(f"ratio, game / {base}", "cpu", "game", "base")
        show("X server CPU, ms per s of play", "game", "x")
        show(f"X server CPU at {base}, ms per s", "base", "x")
        ratio(f"ratio, game / {base}", "x", "game", "base")
        show("X server CPU, full-repaint window, ms per s", "full", "x")
        ratio("ratio, game / full-repaint window", "x", "game", "full")
        show("game CPU, the keys alone, ms per s", "keys", "cpu")
        show("X server CPU, the keys alone, ms per s", "keys", "x")
        less_keys(f"game CPU less the keys', game / {base}", "cpu")
        less_keys(f"X server CPU less the keys', game / {base}", "x")
        show("game CPU while waiting, ms per s", "game", "idle")
        show("game CPU waiting after the play, ms per s", "game", "after")
    for figure, what_of in [("map", "start to mapped window, {}, ms"), ("mapcpu", "CPU up to the map, {}, ms"),
                            ("rss", "resident memory, {}, MiB")]:
        for name, label in [("game", "game"), ("bare", "bare window"), ("text", "text window"), ("base", base)]:
            show(what_of.format(label), name, figure)
        ratio("ratio, game / bare window", figure, "game", "bare")
        ratio("ratio, text window / bare window", figure, "text", "bare")
        if figure != "mapcpu":
            ratio(f"ratio, {base} / bare window", figure, "base", "bare")


def build(current, base, base_commit):
    def quietly(*command, cwd=ROOT):
        subprocess.run(command, cwd=cwd, check=True, stdout=subprocess.DEVNULL)

    print(f"Building the game, the bare, text and full-repaint windows and map_timer in {current} ...", flush=True)
    quietly("cmake", "-S", ".", "-B", current, "-DCMAKE_BUILD_TYPE=RelWithDebInfo")
    quietly("cmake", "--build", current, "-j", "2", "--target", "quorvel", "bare_window", "text_window",
            "full_repaint_window", "map_timer")
    wanted = subprocess.run(["git", "rev-parse", base_commit], cwd=ROOT, check=True, capture_output=True,
                            text=True).stdout.strip()
    stamp = base / "commit"
    if stamp.exists() and stamp.read_text().strip() == wanted:
        return
    print(f"Building the game of {base_commit} in {base} ...", flush=True)
    source = Path(f"{base}-src")
    subprocess.run(["rm", "-rf", source, base], check=True)
    source.mkdir(parents=True)
    archive = subprocess.Popen(["git", "archive", wanted], cwd=ROOT, stdout=subprocess.PIPE)
    subprocess.run(["tar", "-x", "-C", source], stdin=archive.stdout, check=True)
    if archive.wait() != 0:
        sys.exit(f"measure: git archive {base_commit} failed")
    quietly("cmake", "-S", source, "-B", base, "-DCMAKE_BUILD_TYPE=RelWithDebInfo")
    quietly("cmake", "--build", base, "-j", "2", "--target", "quorvel")
    stamp.write_text(wanted + "\n")


def main():
    parser = argparse.ArgumentParser(description="Painting, start-up and memory of the game against yardsticks.")
    parser.add_argument("runs", nargs="?", type=int, default=7)
    parser.add_argument("base_commit", nargs="?", default="")
    parser.add_argument("scales", nargs="?", default="1 2")
    parser.add_argument("what", nargs="?", default="all", choices=["all", "startup"])
    # Set when this script runs itself on the display of one scale.
    parser.add_argument("--scale", type=int, help=argparse.SUPPRESS)
    parser.add_argument("--current", help=argparse.SUPPRESS)
    parser.add_argument("--base-build", help=argparse.SUPPRESS)
    parser.add_argument("--log", help=argparse.SUPPRESS)
    args = parser.parse_args()
    args.base_commit = args.base_commit or DEFAULT_BASE
    if args.scale:
        return measure_scale(args)

    for tool, package in [("Xvfb", "xvfb"), ("xdotool", "xdotool")]:
        if subprocess.run(["sh", "-c", f"command -v {tool}"], stdout=subprocess.DEVNULL).returncode:
            sys.exit(f"measure: needs {tool} (apt-get install {package})")
    os.chdir(ROOT)
    current, base = Path(os.environ.get("BUILD", "build")), Path("build-measure/base")
    build(current, base, args.base_commit)

    load = " ".join(Path("/proc/loadavg").read_text().split()[:3])
    print(f"{os.cpu_count()} processors, load average {load}; {args.runs} runs each, alternating", flush=True)
    log = tempfile.NamedTemporaryFile(prefix="measure-", suffix=".log", delete=False).name
    for scale in [int(s) for s in args.scales.split()]:
        subprocess.run(["bash", ROOT / "tools/private-display.sh", "x", f"{1280 * scale}x{900 * scale}",
                        sys.executable, __file__, str(args.runs), args.base_commit, args.scales, args.what,
                        f"--scale={scale}", f"--current={current.resolve()}", f"--base-build={base.resolve()}",
                        f"--log={log}"], check=True)
    print()
    print(f"Every reading: {log}")


if __name__ == "__main__":
    main()
