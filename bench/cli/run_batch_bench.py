#!/usr/bin/python3
"""vrn convert-fonts as the user runs it: whole processes beside their yardsticks.

usage: run_batch_bench.py VRN WORK_DIR [--texts 100000] [--files 100] [--file-texts 1000]
                          [--runs 3]

  vrn convert-fonts BIG -o OUT            beside  vrn strtoacad 12 H --drawing BIG -o OUT
                                                  (loading and saving it alone)
  vrn convert-fonts DIR -o OUTDIR -j 2    beside  vrn convert-fonts F -o OUT for each of
                                                  DIR's drawings, one process after the other

The drawings hold texts in a DOS Hebrew style (hebrew1.shx), converted to a
Windows one (vornel1.shx). Prints the median wall time, the spread, the peak
resident size and each ratio against its aim.
"""
import argparse
import os
import shutil
import sys

import run_cli_bench as cli_bench

TEMPLATE = """
import sys, ezdxf
doc = ezdxf.new("R2018")
for i in range(10):
    doc.layers.add(f"L{i}")
doc.styles.add("HEBDOS", font="hebrew1.shx")
doc.styles.add("HEBWIN", font="vornel1.shx")
doc.modelspace().add_text("PLACEHOLDER", dxfattribs={"height": 2.5, "layer": "L0",
                                                   "style": "HEBDOS"}).set_placement((1.0, 2.0))
doc.saveas(sys.argv[1])
"""


def text_entity(handle, owner, i):
    x, y = i % 1000 * 10.0, i // 1000 * 5.0
    return (f"  0\nTEXT\n  5\n{handle:X}\n330\n{owner}\n100\nAcDbEntity\n  8\nL{i % 10}\n"
            f"100\nAcDbText\n 10\n{x}\n 20\n{y}\n 30\n0.0\n 40\n2.5\n"
            f"  1\nRoom {i} \u05d7\u05d3\u05e8 {i % 97}\n 50\n{(i % 8) * 45.0}\n  7\nHEBDOS\n"
            f" 11\n{x}\n 21\n{y}\n 31\n0.0\n100\nAcDbText\n")


cli_bench.TEMPLATE = TEMPLATE
cli_bench.text_entity = text_entity
CONVERT = ["--fonts", "hebrew1.shx", "--style", "HEBWIN"]


def drawing(work, count):
    path = os.path.join(work, f"dos_{count}.dxf")
    if not os.path.exists(path):
        print(f"writing {path} ...", flush=True)
        cli_bench.generate(path, count, work)
    return path


def folder(work, files, count):
    path = os.path.join(work, f"folder_{files}x{count}")
    if not os.path.isdir(path):
        os.makedirs(path)
        one = drawing(work, count)
        for i in range(files):
            shutil.copyfile(one, os.path.join(path, f"d{i:03}.dxf"))
    return path


def one_by_one(vrn, folder_path, out):
    os.makedirs(out, exist_ok=True)
    names = sorted(os.listdir(folder_path))
    script = " && ".join(f"'{vrn}' convert-fonts '{os.path.join(folder_path, n)}' "
                         f"{' '.join(CONVERT)} -o '{os.path.join(out, n)}' >/dev/null"
                         for n in names)
    return cli_bench.run(script, shell=True)


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("vrn")
    parser.add_argument("work")
    parser.add_argument("--texts", type=int, default=100000)
    parser.add_argument("--files", type=int, default=100)
    parser.add_argument("--file-texts", type=int, default=1000)
    parser.add_argument("--runs", type=int, default=3)
    o = parser.parse_args()
    os.makedirs(o.work, exist_ok=True)
    vrn = os.path.abspath(o.vrn)
    print(f"machine: {os.cpu_count()} cores, load average {os.getloadavg()[0]:.1f} at the start")

    big = drawing(o.work, o.texts)
    out = os.path.join(o.work, "converted.dxf")
    handle = f"{cli_bench.FIRST_HANDLE + o.texts // 2:X}"
    convert = cli_bench.Series("vrn convert-fonts BIG -o OUT")
    alone = cli_bench.Series(f"vrn strtoacad 12 {handle} --drawing BIG -o OUT")
    many = folder(o.work, o.files, o.file_texts)
    outdir = os.path.join(o.work, "converted")
    parallel = cli_bench.Series(f"convert-fonts DIR -j 2 ({o.files} x {o.file_texts})")
    serial = cli_bench.Series(f"{o.files} x convert-fonts F, one by one")
    for _ in range(o.runs):
        convert.add(cli_bench.run([vrn, "convert-fonts", big] + CONVERT + ["-o", out]))
        alone.add(cli_bench.run([vrn, "strtoacad", "12", handle, "--drawing", big, "-o", out]))
        parallel.add(cli_bench.run([vrn, "convert-fonts", many] + CONVERT + ["-o", outdir, "-j", "2"]))
        serial.add(one_by_one(vrn, many, outdir))
    print(f"\n{o.runs} runs each (median [fastest .. slowest], peak)")
    for series in (convert, alone, parallel, serial):
        print(series.line())
    ratio = convert.median / alone.median
    print(f"  convert-fonts = {ratio:.2f} x loading and saving alone (aim <= 2): "
          f"{cli_bench.verdict(ratio <= 2)}")
    ratio = parallel.median / serial.median
    print(f"  -j 2 = {ratio:.2f} x one by one (aim <= 0.6): {cli_bench.verdict(ratio <= 0.6)}")
    print(f"load average {os.getloadavg()[0]:.1f} at the end")


if __name__ == "__main__":
    sys.exit(main())
