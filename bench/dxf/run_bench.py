#!/usr/bin/python3
"""DXF load + save benchmark: vrn beside `wc -l` and ezdxf, in one run.

usage: run_bench.py VRN_DXF_BENCH WORK_DIR [TEXTS]

Generates (once) a drawing of TEXTS texts (default 100,000) with ezdxf,
then times on the same file:
  wc -l        reading its lines, the floor of any line-based reader
               (best of 5, the whole process);
  vrn          DxfFiles load + save (best of 5, timed in the process);
  ezdxf        readfile + saveas (one run; it is slow).
Prints seconds, throughput (file size / time) and peak memory (GNU time's
maximum resident set of each program).
"""
import os
import subprocess
import sys
import time

import ezdxf

EZDXF_RUN = """
import sys, time, ezdxf
start = time.perf_counter()
doc = ezdxf.readfile(sys.argv[1])
loaded = time.perf_counter()
doc.saveas(sys.argv[2])
saved = time.perf_counter()
print(loaded - start, saved - loaded)
"""
TIME = "/usr/bin/time"  # GNU time: the peak memory of the program it runs


def measured(args):
    """Runs a program; its standard output and its peak memory in kB."""
    if os.path.exists(TIME):
        run = subprocess.run([TIME, "-f", "%M"] + args, check=True, capture_output=True, text=True)
        return run.stdout, int(run.stderr.strip().splitlines()[-1])
    return subprocess.run(args, check=True, capture_output=True, text=True).stdout, None


def generate(path, count):
    doc = ezdxf.new("R2000")
    doc.encoding = "cp1255"
    msp = doc.modelspace()
    for i in range(count):
        msp.add_text(f"Room {i} \u05d7\u05d3\u05e8 {i % 97}",
                     dxfattribs={"height": 2.5, "layer": f"L{i % 10}", "rotation": (i % 8) * 45.0}
                     ).set_placement((i % 1000 * 10.0, i // 1000 * 5.0))
    doc.saveas(path)


def best_wall(args, runs=5):
    best = None
    for _ in range(runs):
        start = time.perf_counter()
        subprocess.run(args, check=True, stdout=subprocess.DEVNULL)
        elapsed = time.perf_counter() - start
        best = elapsed if best is None else min(best, elapsed)
    return best, measured(args)[1]


def main():
    bench, work = sys.argv[1:3]
    count = int(sys.argv[3]) if len(sys.argv) > 3 else 100_000
    os.makedirs(work, exist_ok=True)
    path = os.path.join(work, f"texts_{count}.dxf")
    if not os.path.exists(path):
        print(f"generating {path} with ezdxf ...", flush=True)
        generate(path, count)
    megabytes = os.path.getsize(path) / 1e6
    with open(path, "rb") as f:
        lines = f.read().count(b"\n")

    wc, wc_peak = best_wall(["wc", "-l", path])

    output, vrn_peak = measured([bench, path])
    words = dict(w.split("=") for w in output.split())
    vrn_load, vrn_save = float(words["load"]), float(words["save"])

    out = path + ".ezdxf-saved.dxf"
    output, ez_peak = measured([sys.executable, "-c", EZDXF_RUN, path, out])
    os.remove(out)
    ez_load, ez_save = (float(v) for v in output.split())

    print(f"\n{count} texts, {megabytes:.1f} MB, {lines} lines "
          f"({words['entities']} entities read; unchanged save byte for byte: {words['identical'] == '1'})")
    print(f"{'':14}{'load s':>9}{'save s':>9}{'total s':>9}{'MB/s':>9}{'peak MB':>9}")
    rows = [("wc -l", None, None, wc, wc_peak),
            ("vrn", vrn_load, vrn_save, vrn_load + vrn_save, vrn_peak),
            (f"ezdxf {ezdxf.__version__}", ez_load, ez_save, ez_load + ez_save, ez_peak)]
    for name, load, save, total, peak in rows:
        fmt = lambda v: f"{v:9.3f}" if v is not None else f"{'-':>9}"
        peak_mb = f"{peak / 1024:9.1f}" if peak is not None else f"{'-':>9}"
        print(f"{name:14}{fmt(load)}{fmt(save)}{total:9.3f}{megabytes / total:9.0f}{peak_mb}")
    print(f"\nvrn load+save = {(vrn_load + vrn_save) / wc:.1f} x wc -l; "
          f"ezdxf = {(ez_load + ez_save) / (vrn_load + vrn_save):.0f} x vrn")


if __name__ == "__main__":
    main()
