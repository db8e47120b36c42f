#!/usr/bin/env python3
"""A whole real-estate export of fully filled letting rows against the floor.

The floor writes the same bytes one write per line with the same fsync and
rename. The two run alternately; the script prints the median CPU time (user +
system, from the kernel's accounting of each child) of each, their ratio, and
the export's median peak memory.

    bench/measure-export.py FLOOR [--runs N] [--rows N] [--exporter PROGRAM]

FLOOR is the floor program (FLOOR SOURCE.xml TARGET.xml). The release build
(preset linux-release) must be built; --exporter names another Orbek17Plus to
measure (an older build, say).
"""
import argparse
import os
import statistics
import subprocess
import tempfile

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
BUILD = os.path.join(ROOT, "build", "linux-release")


def run(argv, stdin=b"", env=None):
    """CPU seconds (user + system) and peak memory (KiB) of one run.

    The program runs under /usr/bin/time, which reports its peak memory: a
    child of this script would count the script's own memory from before the
    exec. The CPU time is the kernel's account of the whole run (a few
    hundred microseconds of it are time's own, the same for both programs).
    """
    with tempfile.NamedTemporaryFile() as peak:
        process = subprocess.Popen(["/usr/bin/time", "-f", "%M", "-o", peak.name] + argv,
                                   stdin=subprocess.PIPE, stdout=subprocess.DEVNULL,
                                   stderr=subprocess.DEVNULL, env=env)
        process.stdin.write(stdin)
        process.stdin.close()
        _, status, usage = os.wait4(process.pid, 0)
        process.returncode = os.waitstatus_to_exitcode(status)
        if process.returncode != 0:
            raise SystemExit(f"{argv[0]} ended with {process.returncode}")
        return usage.ru_utime + usage.ru_stime, int(peak.read().split()[-1])


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("floor")
    parser.add_argument("--runs", type=int, default=21)
    parser.add_argument("--rows", type=int, default=9999)
    parser.add_argument("--exporter", default=os.path.join(BUILD, "bin", "Orbek17Plus"))
    args = parser.parse_args()
    with tempfile.TemporaryDirectory() as work:
        dataset = os.path.join(work, "set.json")
        subprocess.run([os.path.join(BUILD, "bench", "bench_datasetload"), "--write-dataset",
                        str(args.rows), dataset], check=True)
        env = dict(os.environ, VK_DATASET=dataset, XDG_DATA_HOME=os.path.join(work, "xdg"))

        def export(path):  # the path must not exist: no overwrite question
            return run([args.exporter], f"3\npath {path}\nexecute\n".encode(), env)

        source = os.path.join(work, "source.xml")
        export(source)
        print(f"data set: {os.path.getsize(dataset)} bytes, XML: {os.path.getsize(source)} bytes")
        exports, floors = [], []
        for _ in range(args.runs):
            out, floor_out = os.path.join(work, "out.xml"), os.path.join(work, "floor.xml")
            for path in (out, floor_out):
                if os.path.exists(path):
                    os.remove(path)
            exports.append(export(out))
            with open(out, "rb") as a, open(source, "rb") as b:
                if a.read() != b.read():
                    raise SystemExit("the export differs from the first run")
            floors.append(run([args.floor, source, floor_out]))
    e = statistics.median(t for t, _ in exports)
    f = statistics.median(t for t, _ in floors)
    m = statistics.median(k for _, k in exports)
    print(f"median CPU over {args.runs} alternating runs: export {e * 1000:.1f} ms, "
          f"floor {f * 1000:.1f} ms, ratio {e / f:.2f}")
    print(f"export peak memory (median): {m} KiB ({m / 1024:.1f} MiB)")


if __name__ == "__main__":
    main()
