"""The comparison program for kuvanto-calc: reads a coordinate file (code page 932, CR LF) with
numpy, builds the polygon with shapely and prints its area and centroid. The section marker lines
("<<...>>,") are read as comment lines, so numpy's own text reader takes the file in one call,
the quickest way numpy offers. Usage: python3 shapely-area-centroid.py FILE"""
import sys

import numpy as np
from shapely.geometry import Polygon

xy = np.loadtxt(sys.argv[1], delimiter=",", comments="<<", encoding="cp932", dtype=float)
polygon = Polygon(xy)
centroid = polygon.centroid
print(f"{len(xy)} vertices: area {polygon.area:.10g}, centroid {centroid.x:.10g} {centroid.y:.10g}")
