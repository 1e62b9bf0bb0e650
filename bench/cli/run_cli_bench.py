#!/usr/bin/python3
"""vrn as the user runs it: whole processes, each beside its yardstick.

usage: run_cli_bench.py VRN WORK_DIR [--texts 10000,100000,1000000] [--runs 5]
                        [--ezdxf-up-to 100000]

For each size it writes (once) an AutoCAD 2018 drawing of that many texts
with Hebrew in them, then runs, alternately and each as a whole process on
the same file (no process reads it twice, nothing is warmed up inside one):

  vrn texts FILE --json            beside  wc -l FILE
                                   and     ezdxf reading FILE and listing its texts
  vrn strtoacad 12 H --drawing FILE -o OUT
                                   beside  cp FILE OUT && sync OUT

and prints the median wall time, the spread (fastest and slowest run), the
peak resident size (GNU time's %M) and each ratio against its aim. ezdxf
takes minutes and gigabytes on the largest drawing, so it runs only up to
--ezdxf-up-to texts.
"""
import argparse
import os
import statistics
import subprocess
import sys
import time

TIME = "/usr/bin/time"  # GNU time: the peak memory of the program it runs

# The drawing is one ezdxf-made template whose single text is repeated with
# new handles: ezdxf itself would take minutes to write a million texts.
TEMPLATE = """
import sys, ezdxf
doc = ezdxf.new("R2018")
for i in range(10):
    doc.layers.add(f"L{i}")
doc.modelspace().add_text("PLACEHOLDER", dxfattribs={"height": 2.5, "layer": "L0",
                                                   "rotation": 45.0}).set_placement((1.0, 2.0))
doc.saveas(sys.argv[1])
"""

EZDXF_LIST = """
import json, sys, ezdxf
doc = ezdxf.readfile(sys.argv[1])
texts = [{"handle": e.dxf.handle, "entity": e.dxftype(), "style": e.dxf.style,
          "stored": e.dxf.text if e.dxftype() == "TEXT" else e.text}
         for e in doc.modelspace().query("TEXT MTEXT")]
json.dump(texts, sys.stdout, ensure_ascii=False, indent=2)
"""

FIRST_HANDLE = 0x1000


def text_entity(handle, owner, i):
    x, y = i % 1000 * 10.0, i // 1000 * 5.0
    return (f"  0\nTEXT\n  5\n{handle:X}\n330\n{owner}\n100\nAcDbEntity\n  8\nL{i % 10}\n"
            f"100\nAcDbText\n 10\n{x}\n 20\n{y}\n 30\n0.0\n 40\n2.5\n"
            f"  1\nRoom {i} \u05d7\u05d3\u05e8 {i % 97}\n 50\n{(i % 8) * 45.0}\n"
            f" 11\n{x}\n 21\n{y}\n 31\n0.0\n100\nAcDbText\n")


def generate(path, count, work):
    template = os.path.join(work, "template.dxf")
    if not os.path.exists(template):
        subprocess.run(["/usr/bin/python3", "-c", TEMPLATE, template], check=True)
    with open(template, encoding="utf-8") as f:
        lines = f.read().split("\n")
    start = lines.index("TEXT") - 1           # the "  0" before it
    end = lines.index("ENDSEC", start) - 1
    owner = lines[lines.index("330", start) + 1]
    seed = lines.index("$HANDSEED")
    lines[seed + 2] = f"{FIRST_HANDLE + count:X}"
    head, tail = "\n".join(lines[:start]) + "\n", "\n".join(lines[end:])
    with open(path + ".part", "w", encoding="utf-8") as out:
        out.write(head)
        for i in range(0, count, 10000):
            out.write("".join(text_entity(FIRST_HANDLE + j, owner, j)
                              for j in range(i, min(count, i + 10000))))
        out.write(tail)
    os.replace(path + ".part", path)


def run(args, shell=False):
    """One whole process: its wall time in seconds and peak resident size in MiB."""
    command = [TIME, "-f", "%M"] + (["sh", "-c", args] if shell else args)
    start = time.perf_counter()
    done = subprocess.run(command, stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, text=True)
    elapsed = time.perf_counter() - start
    if done.returncode != 0:
        sys.exit(f"failed: {args}\n{done.stderr}")
    return elapsed, int(done.stderr.strip().splitlines()[-1]) / 1024


class Series:
    def __init__(self, name):
        self.name, self.times, self.peaks = name, [], []

    def add(self, measured):
        self.times.append(measured[0])
        self.peaks.append(measured[1])

    @property
    def median(self):
        return statistics.median(self.times)

    def line(self):
        return (f"  {self.name:44}{self.median:9.3f} s  [{min(self.times):.3f} .. {max(self.times):.3f}]"
                f"{max(self.peaks):9.1f} MiB")


def verdict(holds):
    return "holds" if holds else "MISSED"


def bench_size(vrn, work, count, runs, ezdxf_up_to):
    path = os.path.join(work, f"texts_{count}.dxf")
    if not os.path.exists(path):
        print(f"writing {path} ...", flush=True)
        generate(path, count, work)
    size_mib = os.path.getsize(path) / 2**20
    out = os.path.join(work, f"saved_{count}.dxf")
    handle = f"{FIRST_HANDLE + count // 2:X}"
    texts, wc, ez = Series("vrn texts FILE --json"), Series("wc -l FILE"), Series("ezdxf: read, list texts")
    edit, copy = Series(f"vrn strtoacad 12 {handle} --drawing FILE -o OUT"), Series("cp FILE OUT && sync OUT")
    with_ezdxf = count <= ezdxf_up_to
    for _ in range(runs):
        texts.add(run([vrn, "texts", path, "--json"]))
        wc.add(run(["wc", "-l", path]))
        if with_ezdxf:
            ez.add(run(["/usr/bin/python3", "-c", EZDXF_LIST, path]))
        edit.add(run([vrn, "strtoacad", "12", handle, "--drawing", path, "-o", out]))
        copy.add(run(f"cp '{path}' '{out}' && sync '{out}'", shell=True))
    os.remove(out)

    print(f"\n{count:,} texts, {size_mib:.1f} MiB, {runs} runs each (median [fastest .. slowest], peak)")
    for series in (texts, wc) + ((ez,) if with_ezdxf else ()) + (edit, copy):
        print(series.line())
    ratio = texts.median / wc.median
    print(f"  texts --json = {ratio:.1f} x wc -l (aim <= 10): {verdict(ratio <= 10)}")
    if with_ezdxf:
        ratio = ez.median / texts.median
        print(f"  texts --json is {ratio:.0f} x faster than ezdxf (aim >= 50): {verdict(ratio >= 50)}")
    else:
        print(f"  ezdxf not run at {count:,} texts (only up to {ezdxf_up_to:,})")
    ratio = max(texts.peaks) / size_mib
    print(f"  texts --json peak = {ratio:.2f} x the file size (aim <= 2): {verdict(ratio <= 2)}")
    ratio = edit.median / copy.median
    print(f"  strtoacad = {ratio:.2f} x cp && sync (aim <= 3): {verdict(ratio <= 3)}")
    return texts, edit


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("vrn")
    parser.add_argument("work")
    parser.add_argument("--texts", default="10000,100000,1000000")
    parser.add_argument("--runs", type=int, default=5)
    parser.add_argument("--ezdxf-up-to", type=int, default=100000)
    options = parser.parse_args()
    if not os.path.exists(TIME):
        sys.exit(f"{TIME} (Debian package time) is needed for the peak memory: scripts/install-deps.sh")
    os.makedirs(options.work, exist_ok=True)
    print(f"machine: {os.cpu_count()} cores, load average {os.getloadavg()[0]:.1f} at the start")
    results = {count: bench_size(options.vrn, options.work, count, options.runs, options.ezdxf_up_to)
               for count in (int(c) for c in options.texts.split(","))}
    counts = sorted(results)
    for small, large in zip(counts, counts[1:]):
        factor = large / small
        for i, name in enumerate(("texts --json", "strtoacad")):
            a, b = results[small][i], results[large][i]
            print(f"growth {small:,} -> {large:,} texts ({factor:.0f} x): {name} time "
                  f"{b.median / a.median:.1f} x, peak {max(b.peaks) / max(a.peaks):.1f} x")
    print(f"load average {os.getloadavg()[0]:.1f} at the end")


if __name__ == "__main__":
    main()
