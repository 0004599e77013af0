"""The comparison program for kuvanto-calc: reads a coordinate file (code page 932, CR LF) with
numpy, builds the polygon with shapely and prints its area and centroid. Lines that are not two
numbers (the section markers) are left out. Usage: python3 shapely-area-centroid.py FILE"""
import io
import sys

import numpy as np
from shapely.geometry import Polygon

text = open(sys.argv[1], "rb").read().decode("cp932")
body = "\n".join(line for line in text.splitlines() if line and not line.startswith("<<"))
xy = np.loadtxt(io.StringIO(body), delimiter=",", dtype=float)
polygon = Polygon(xy)
centroid = polygon.centroid
print(f"{len(xy)} vertices: area {polygon.area:.10g}, centroid {centroid.x:.10g} {centroid.y:.10g}")
