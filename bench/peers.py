#!/usr/bin/python3
"""The peers of bench/compare: the same work done with the tools users would otherwise reach for.

  peers.py make RECORD.sgy      writes the shared test record (standard SEG-Y through segyio)
  peers.py run RECORD.sgy [RECORD.srw RECORD.sg2]
                                prints one "NAME VALUE" line per measure, in milliseconds; the plain
                                read of each further file's bytes is the peer of KVT's reader of it

Medians of repeated runs, one thread. The record is a synthetic shot gather: linear and dispersive
arrivals of Ricker wavelets with fixed-seed noise, so every sample is non-zero and finite.
"""
import os
import sys
import time

# One thread for NumPy's and SciPy's BLAS and FFT back ends, as KVT runs on one.
for name in ("OMP_NUM_THREADS", "OPENBLAS_NUM_THREADS", "MKL_NUM_THREADS"):
    os.environ.setdefault(name, "1")

import numpy as np  # noqa: E402
import segyio  # noqa: E402

TRACES = 96
SAMPLES = 16384
INTERVAL_US = 250
CORNER_HZ = 100.0


def median_ms(work, rounds, calls=1):
    times = []
    for _ in range(rounds):
        start = time.perf_counter()
        for _ in range(calls):
            work()
        times.append((time.perf_counter() - start) * 1e3 / calls)
    return float(np.median(times))


def make(path):
    rng = np.random.default_rng(1)
    t = np.arange(SAMPLES) * INTERVAL_US * 1e-6
    data = np.empty((TRACES, SAMPLES), dtype=np.int32)
    for i in range(TRACES):
        offset = 5.0 + 2.0 * i
        trace = rng.normal(0.0, 0.02, SAMPLES)
        for arrival, f in ((offset / 1800.0, 60.0), (0.01 + offset / 3200.0, 45.0), (offset / 250.0, 12.0)):
            a = (np.pi * f * (t - arrival)) ** 2
            trace += (1.0 - 2.0 * a) * np.exp(-a) / (1.0 + 0.02 * offset)
        data[i] = np.round(trace / np.abs(trace).max() * 2.0e6).astype(np.int32)
    # A 2-D file: one line of TRACES traces, four-byte two's complement integers.
    segyio.tools.from_array2D(path, data, format=2, dt=INTERVAL_US)


def read_segy(path):
    with segyio.open(path, ignore_geometry=True) as f:
        return f.trace.raw[:]


def wiggle_section(data):
    from matplotlib.backends.backend_agg import FigureCanvasAgg
    from matplotlib.figure import Figure

    fig = Figure(figsize=(19.2, 10.8), dpi=100)
    canvas = FigureCanvasAgg(fig)
    ax = fig.add_axes([0.05, 0.02, 0.93, 0.9])
    rows = np.arange(data.shape[1])
    scale = 0.5 / float(np.abs(data).max())
    for i, trace in enumerate(data):
        x = i + trace * scale
        ax.plot(x, rows, color="k", linewidth=1.0)
        ax.fill_betweenx(rows, i, x, where=trace > 0, color="k", linewidth=0)
    ax.set_ylim(data.shape[1], 0)
    canvas.draw()


def read_bytes(path):
    with open(path, "rb") as f:
        return f.read()


def run(path, others):
    from scipy.signal import butter, lfilter

    raw = read_bytes(path)
    print(f"# record: {TRACES} x {SAMPLES} four-byte integers, standard SEG-Y, {len(raw) / 1e6:.1f} MB")
    print(f"segy_read_bytes {median_ms(lambda: read_bytes(path), 25):.4f}")
    # The same record as KVT's writers put it (kvt_bench_core writes these files).
    for other in others:
        name = {".srw": "srw", ".sg2": "seg2"}[os.path.splitext(other)[1]]
        print(f"# record as {name}: {os.path.getsize(other) / 1e6:.1f} MB")
        print(f"{name}_read_bytes {median_ms(lambda: read_bytes(other), 25):.4f}")
    print(f"segy_read {median_ms(lambda: read_segy(path), 25):.4f}")

    data = read_segy(path)
    samples = data.astype(np.float32)
    fs = 1e6 / INTERVAL_US
    b, a = (c.astype(np.float32) for c in butter(2, CORNER_HZ / (fs / 2.0)))
    print(f"lowpass {median_ms(lambda: lfilter(b, a, samples, axis=-1), 15):.4f}")

    first = samples[0].copy()
    print(f"spectrum {median_ms(lambda: np.abs(np.fft.rfft(first)), 25, calls=200):.5f}")

    print(f"section {median_ms(lambda: wiggle_section(data), 1):.1f}")


def main():
    if len(sys.argv) < 3 or sys.argv[1] not in ("make", "run") or (sys.argv[1] == "make" and len(sys.argv) != 3):
        sys.exit(__doc__)
    if sys.argv[1] == "make":
        make(sys.argv[2])
    else:
        run(sys.argv[2], sys.argv[3:])


if __name__ == "__main__":
    main()
