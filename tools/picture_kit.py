# SPDX-License-Identifier: GPL-3.0-or-later
"""Drawing kit of tools/make_pictures.py: vector shapes written as ImageMagick
-draw primitives, and the writing of PNG, JPEG and animated GIF files.

Every picture is drawn SS times larger and scaled down, so edges come out
smooth. Call start() with the output folder before writing, finish() after.
"""

import math
import os
import shutil
import subprocess
import tempfile

FONT = "/usr/share/fonts/opentype/comic-neue/ComicNeue-Bold.otf"
SS = 4  # supersampling factor

# Colours used across the pictures, so that they look like one family.
GOLD, GOLD_DARK = "#FFC928", "#C77800"
RED, GREEN, BLUE = "#E53935", "#43A047", "#1E88E5"
INK = "#37474F"
SKIN = "#F5C99B"

_out = None
_work = None


def start(out):
    global _out, _work
    _out = out
    _work = tempfile.mkdtemp(prefix="quorvia-pictures-")
    os.makedirs(out, exist_ok=True)


def finish():
    shutil.rmtree(_work, ignore_errors=True)


def scratch(name):
    """A path in the temporary folder, for frames made by hand."""
    return os.path.join(_work, name)


def output(name):
    return os.path.join(_out, name)


# ---------------------------------------------------------------- shapes

def _style(fill, stroke, width):
    return "fill %s stroke %s stroke-width %s stroke-linejoin round stroke-linecap round " % (
        fill, stroke, width)


def circle(cx, cy, r, fill, stroke="none", width=0):
    return _style(fill, stroke, width) + "circle %g,%g %g,%g" % (cx, cy, cx + r, cy)


def ellipse(cx, cy, rx, ry, fill, stroke="none", width=0, start=0, end=360):
    return _style(fill, stroke, width) + "ellipse %g,%g %g,%g %g,%g" % (cx, cy, rx, ry, start, end)


def rect(x0, y0, x1, y1, fill, stroke="none", width=0, radius=0):
    if radius:
        return _style(fill, stroke, width) + "roundrectangle %g,%g %g,%g %g,%g" % (
            x0, y0, x1, y1, radius, radius)
    return _style(fill, stroke, width) + "rectangle %g,%g %g,%g" % (x0, y0, x1, y1)


def polygon(points, fill, stroke="none", width=0):
    return _style(fill, stroke, width) + "polygon " + " ".join("%g,%g" % p for p in points)


def line(x0, y0, x1, y1, stroke, width):
    return _style("none", stroke, width) + "line %g,%g %g,%g" % (x0, y0, x1, y1)


def polyline(points, stroke, width):
    return _style("none", stroke, width) + "polyline " + " ".join("%g,%g" % p for p in points)


def arc(cx, cy, rx, ry, start, end, stroke, width):
    return ellipse(cx, cy, rx, ry, "none", stroke, width, start, end)


def group(shapes, dx, dy, k):
    """The shapes moved by dx,dy after scaling them by k."""
    return (["push graphic-context", "translate %g,%g" % (dx, dy), "scale %g,%g" % (k, k)] +
            shapes + ["pop graphic-context"])


def star_points(cx, cy, outer, inner, turn=0.0):
    pts = []
    for i in range(10):
        a = math.radians(-90 + 36 * i + turn)
        r = outer if i % 2 == 0 else inner
        pts.append((cx + r * math.cos(a), cy + r * math.sin(a)))
    return pts


def text(s, size, x, y, fill, gravity="North", stroke="none", width=0):
    """A text placed like -annotate: offset x,y from the gravity point."""
    return dict(s=s, size=size, x=x, y=y, fill=fill, gravity=gravity, stroke=stroke,
                width=width)


# ---------------------------------------------------------------- output

def render(path, w, h, shapes, texts=(), bg="none", fmt_args=()):
    """Draws shapes (and texts on top) at SS times the size, then scales down."""
    cmd = ["convert", "-size", "%dx%d" % (w * SS, h * SS), "xc:" + bg]
    if shapes:
        cmd += ["-draw", "scale %d,%d " % (SS, SS) + " ".join(shapes)]
    for t in texts:
        cmd += ["-font", FONT, "-pointsize", str(t["size"] * SS), "-fill", t["fill"],
                "-stroke", t["stroke"], "-strokewidth", str(t["width"] * SS),
                "-gravity", t["gravity"], "-annotate",
                "%+d%+d" % (t["x"] * SS, t["y"] * SS), t["s"]]
    cmd += ["-resize", "%dx%d!" % (w, h)]
    cmd += list(fmt_args)
    cmd += ["-depth", "8", "-strip", "-define", "png:exclude-chunks=date,time", path]
    subprocess.run(cmd, check=True)


def png(name, w, h, shapes, texts=(), bg="none"):
    render(output(name), w, h, shapes, texts, bg)


def jpeg(name, w, h, shapes, texts=(), bg="white"):
    tmp = scratch(name + ".png")
    render(tmp, w, h, shapes, texts, bg)
    subprocess.run(["convert", tmp, "-strip", "-quality", "85", "-sampling-factor", "4:2:0",
                    output(name)], check=True)


def gif(name, w, h, frames, delay):
    """frames: (shapes, texts) to draw, or the path of a finished frame;
    delay in hundredths of a second."""
    files = []
    for i, frame in enumerate(frames):
        if isinstance(frame, str):
            files.append(frame)
            continue
        f = scratch("%s-%02d.png" % (name, i))
        render(f, w, h, *frame)
        files.append(f)
    subprocess.run(["convert", "-delay", str(delay), "-dispose", "Background", "-loop", "0"] +
                   files + ["-channel", "A", "-threshold", "50%", "+channel",
                            "-layers", "Optimize", output(name)], check=True)


