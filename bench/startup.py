#!/usr/bin/env python3
"""Start-up and idle benchmark of the editor under Xvfb.

For several runs, each in a fresh workspace: the time from launch until the X server maps the
main window (the splash's one-second tick included), read from `xev -root` as it happens, and the
CPU time the editor uses while idle for 10 s, read from /proc/PID/stat.
Needs xvfb and x11-utils (xev). Build first: scripts/build.sh.
"""
import os, re, shutil, statistics, subprocess, sys, tempfile, time

RUNS = int(os.environ.get("RUNS", "5"))
IDLE_SECONDS = 10
MAIN_WINDOW_SIZE = "938x701"
root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
binary = os.path.join(root, "build", "tavu")

def cpu_seconds(pid):
    fields = open(f"/proc/{pid}/stat").read().rsplit(")", 1)[1].split()
    return (int(fields[11]) + int(fields[12])) / os.sysconf("SC_CLK_TCK")

def main():
    xvfb = None
    if not os.environ.get("DISPLAY"):
        os.environ["DISPLAY"] = ":97"
        xvfb = subprocess.Popen(["Xvfb", ":97", "-screen", "0", "1280x800x24"],
                                stderr=subprocess.DEVNULL)
        time.sleep(1)
    shown, idle = [], []
    try:
        for run in range(1, RUNS + 1):
            workspace = tempfile.mkdtemp()
            shutil.copy(binary, workspace)
            xev = subprocess.Popen(["xev", "-root", "-event", "substructure"],
                                   stdout=subprocess.PIPE, text=True, bufsize=1)
            time.sleep(0.3)
            start = time.monotonic()
            editor = subprocess.Popen([os.path.join(workspace, "tavu")],
                                      stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            # xev prints an event's window on the line after its name.
            sizes, mapped_at, event = {}, None, ""
            for line in xev.stdout:
                if "event, serial" in line:
                    event = line.split()[0]
                    continue
                window = re.search(r"window (0x[0-9a-f]+)", line)
                size = re.search(r"width (\d+), height (\d+)", line)
                if event in ("CreateNotify", "ConfigureNotify") and window and size:
                    sizes[window.group(1)] = f"{size.group(1)}x{size.group(2)}"
                if event == "MapNotify" and window and sizes.get(window.group(1)) == MAIN_WINDOW_SIZE:
                    mapped_at = time.monotonic()
                    break
                event = ""
            xev.kill()
            time.sleep(2)
            before = cpu_seconds(editor.pid)
            time.sleep(IDLE_SECONDS)
            after = cpu_seconds(editor.pid)
            editor.kill()
            editor.wait()
            shutil.rmtree(workspace)
            shown.append(mapped_at - start if mapped_at else float("nan"))
            idle.append(after - before)
            print(f"run {run}: main window shown after {shown[-1]:.3f} s, "
                  f"idle CPU over {IDLE_SECONDS} s: {idle[-1]:.3f} s")
    finally:
        if xvfb:
            xvfb.kill()
    print(f"median: shown after {statistics.median(shown):.3f} s, "
          f"idle CPU {statistics.median(idle):.3f} s")

if __name__ == "__main__":
    sys.exit(main())
