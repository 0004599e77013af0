#!/usr/bin/env python3
# Writes tests/fixtures/torsion-converged.csv: J and Iw of every shipped H, I, channel and angle
# part on meshes halved in element size until both change by less than 0.001 %, computed with
# kuvanto-calc itself. Run from the repository root after building: it takes some minutes.
import json
import subprocess
import sys

CALC = sys.argv[1] if len(sys.argv) > 1 else "build/tools/kuvanto-calc"
CATEGORIES = ("h-shapes.csv", "i-shapes.csv", "channels.csv", "equal-angles.csv")


def torsion(part, size):
    out = subprocess.run([CALC, "--torsion", "--json", "--mesh-size", repr(size), "--shape", part],
                         check=True, capture_output=True, text=True).stdout
    data = json.loads(out)
    return data["torsion"], data["combined"]["values"]


parts, current = [], None
for line in subprocess.run([CALC, "--library"], check=True, capture_output=True,
                           text=True).stdout.splitlines():
    if not line.startswith("  "):
        current = line.split("\t")[1]
    elif current in CATEGORIES:
        parts.append(line.strip())

print("part,J,Iw,mesh_size")
for part in parts:
    _, values = torsion(part, 1e9)
    size = 0.25 * 2 * values["A"] / values["len"]
    previous, _ = torsion(part, size)
    for _ in range(4):
        size /= 2
        now, _ = torsion(part, size)
        change = max(abs(now["J"] - previous["J"]) / now["J"],
                     abs(now["Iw"] - previous["Iw"]) / now["Iw"])
        previous = now
        if change < 1e-5:
            break
    else:
        sys.exit(f"{part}: not converged")
    print(f"{part},{previous['J']!r},{previous['Iw']!r},{size!r}", flush=True)
