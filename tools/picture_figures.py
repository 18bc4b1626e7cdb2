# SPDX-License-Identifier: GPL-3.0-or-later
"""The figures of Quorvia's pictures (faces, star, bulb, owl, child, cup,
book, medal, fireworks), each a list of shapes from picture_kit."""

import math

from picture_kit import (BLUE, GOLD, GOLD_DARK, INK, RED, SKIN, arc, circle, ellipse, line,
                         polygon, polyline, rect, star_points)


def face(cx, cy, r, mood):
    """A round friendly face; mood is 'worried', 'happy' or 'calm'."""
    s = [circle(cx, cy, r, "#FFD54F", "#F57C00", r * 0.08)]
    ex, ey = r * 0.36, r * 0.15
    s += [ellipse(cx - ex, cy - ey, r * 0.09, r * 0.14, INK),
          ellipse(cx + ex, cy - ey, r * 0.09, r * 0.14, INK),
          circle(cx - ex + r * 0.03, cy - ey - r * 0.05, r * 0.03, "white"),
          circle(cx + ex + r * 0.03, cy - ey - r * 0.05, r * 0.03, "white")]
    if mood == "worried":
        s += [line(cx - ex - r * 0.15, cy - r * 0.42, cx - ex + r * 0.12, cy - r * 0.5, INK, r * 0.06),
              line(cx + ex + r * 0.15, cy - r * 0.42, cx + ex - r * 0.12, cy - r * 0.5, INK, r * 0.06),
              polyline([(cx - r * 0.28, cy + r * 0.42), (cx - r * 0.14, cy + r * 0.36),
                        (cx, cy + r * 0.42), (cx + r * 0.14, cy + r * 0.36),
                        (cx + r * 0.28, cy + r * 0.42)], INK, r * 0.07)]
    else:
        s += [arc(cx, cy + r * 0.1, r * 0.45, r * 0.4, 25, 155, INK, r * 0.08),
              circle(cx - r * 0.6, cy + r * 0.2, r * 0.12, "#FF8A80"),
              circle(cx + r * 0.6, cy + r * 0.2, r * 0.12, "#FF8A80")]
    return s


def star_face(cx, cy, r, turn=0.0, squash=1.0):
    pts = [(cx + (x - cx) * squash, cy + (y - cy) / squash)
           for x, y in star_points(cx, cy, r, r * 0.5, turn)]
    s = [polygon(pts, GOLD, GOLD_DARK, r * 0.06)]
    s += [ellipse(cx - r * 0.18, cy - r * 0.02, r * 0.06, r * 0.1 / squash, INK),
          ellipse(cx + r * 0.18, cy - r * 0.02, r * 0.06, r * 0.1 / squash, INK),
          arc(cx, cy + r * 0.08, r * 0.18, r * 0.14 / squash, 20, 160, INK, r * 0.06)]
    return s


def bulb(cx, cy, r, glow):
    """A light bulb; glow 0..1 sets the length of its rays."""
    s = []
    for i in range(8):
        a = math.radians(-180 + i * 180 / 7)
        r0, r1 = r * 1.25, r * (1.35 + 0.45 * glow)
        s.append(line(cx + r0 * math.cos(a), cy + r0 * math.sin(a),
                      cx + r1 * math.cos(a), cy + r1 * math.sin(a), "#FFB300", r * 0.12))
    s += [circle(cx, cy, r * (1.0 + 0.15 * glow), "#FFF59D"),
          circle(cx, cy, r, "#FFEB3B", "#F9A825", r * 0.08),
          polygon([(cx - r * 0.45, cy + r * 0.75), (cx + r * 0.45, cy + r * 0.75),
                   (cx + r * 0.4, cy + r * 1.05), (cx - r * 0.4, cy + r * 1.05)], "#FFEB3B"),
          rect(cx - r * 0.42, cy + r * 1.0, cx + r * 0.42, cy + r * 1.5, "#90A4AE", "#546E7A",
               r * 0.06, r * 0.12),
          line(cx - r * 0.42, cy + r * 1.17, cx + r * 0.42, cy + r * 1.17, "#546E7A", r * 0.05),
          line(cx - r * 0.42, cy + r * 1.33, cx + r * 0.42, cy + r * 1.33, "#546E7A", r * 0.05),
          line(cx - r * 0.2, cy + r * 0.75, cx - r * 0.2, cy + r * 0.25, "#F57F17", r * 0.07),
          line(cx + r * 0.2, cy + r * 0.75, cx + r * 0.2, cy + r * 0.25, "#F57F17", r * 0.07),
          polyline([(cx - r * 0.2, cy + r * 0.25)] +
                   [(cx - r * 0.2 + r * 0.4 * i / 8, cy + r * (0.18 if i % 2 else 0.3))
                    for i in range(1, 8)] + [(cx + r * 0.2, cy + r * 0.25)],
                   "#F57F17", r * 0.06),
          arc(cx, cy, r * 0.65, r * 0.65, 200, 250, "white", r * 0.12)]
    return s


def owl(ox, oy, k):
    """The program's owl, 97 by 103 units, moved to ox,oy and scaled by k."""
    def p(x, y):
        return ox + x * k, oy + y * k
    brown, dark, belly = "#8D5B3A", "#5D3A22", "#F3D9B1"
    s = [polygon([p(20, 30), p(24, 6), p(38, 22)], brown, dark, 2 * k),
         polygon([p(77, 30), p(73, 6), p(59, 22)], brown, dark, 2 * k),
         ellipse(*p(48.5, 58), 35 * k, 41 * k, brown, dark, 2.5 * k),
         ellipse(*p(16, 66), 9 * k, 22 * k, dark),
         ellipse(*p(81, 66), 9 * k, 22 * k, dark),
         ellipse(*p(48.5, 74), 22 * k, 24 * k, belly)]
    for x in (40, 48.5, 57):  # feathers drawn on the belly as little arcs
        s.append(arc(*p(x, 66), 4 * k, 3 * k, 20, 160, "#D7B48A", 1.5 * k))
        s.append(arc(*p(x - 4, 76), 4 * k, 3 * k, 20, 160, "#D7B48A", 1.5 * k))
    for ex in (34, 63):
        s += [circle(*p(ex, 42), 14 * k, "white", "#F9A825", 3 * k),
              circle(*p(ex + 2, 43), 6.5 * k, INK),
              circle(*p(ex + 4, 40), 2.2 * k, "white")]
    s += [polygon([p(43, 54), p(54, 54), p(48.5, 64)], "#FF9800", "#E65100", 1.5 * k),
          ellipse(*p(38, 99), 7 * k, 3.5 * k, "#FF9800"),
          ellipse(*p(59, 99), 7 * k, 3.5 * k, "#FF9800")]
    return s


def kid(frame):
    """Walking child, 91 by 155, facing right; frame 0..3 of the stride."""
    swing = [22, 8, -22, -8][frame]
    bob = [0, -2, 0, -2][frame]
    s = []
    hip = (45, 101 + bob)
    shoulder = (47, 62 + bob)

    def limb(origin, length, angle, colour, width):
        a = math.radians(90 - angle)
        return origin[0] + length * math.cos(a), origin[1] + length * math.sin(a), colour, width

    # far leg and arm first, near ones last
    for sign, shade in ((-1, "#1565C0"), (1, "#1976D2")):
        x, y, c, w = limb(hip, 40, sign * swing, shade, 11)
        s += [line(hip[0], hip[1], x, y, c, w),
              ellipse(x + 4, y + 2, 9, 5, "#5D4037")]
        if sign == -1:
            ax, ay, ac, aw = limb(shoulder, 32, swing, "#F5C99B", 7)
            s.append(line(shoulder[0], shoulder[1], ax, ay, SKIN, 7))
    s += [rect(22, 62 + bob, 36, 96 + bob, "#FB8C00", "#E65100", 2, 4),   # backpack
          rect(31, 56 + bob, 62, 104 + bob, "#E53935", "#B71C1C", 2, 8),  # t-shirt
          rect(31, 96 + bob, 62, 110 + bob, "#1E88E5", "#1565C0", 2, 3),  # shorts
          line(35, 60 + bob, 30, 80 + bob, "#EF6C00", 4)]                  # backpack strap
    ax, ay, _, _ = limb(shoulder, 32, -swing, SKIN, 7)
    s += [line(shoulder[0], shoulder[1], ax, ay, SKIN, 8),
          circle(ax, ay, 4.5, SKIN),
          circle(48, 34 + bob, 21, SKIN, "#D7A16E", 1.5),                   # head
          ellipse(46, 24 + bob, 22, 14, "#5D4037", "none", 0, 180, 360),     # hair
          ellipse(30, 30 + bob, 6, 9, "#5D4037"),
          circle(56, 33 + bob, 2.8, INK), circle(45, 33 + bob, 2.8, INK),
          arc(52, 40 + bob, 7, 5, 20, 160, INK, 2),
          circle(61, 40 + bob, 3.5, "#FF8A80")]
    return s


def burst(cx, cy, t, colour, rays=10, size=26):
    """A firework at stage t (0..1): rays growing out, sparks fading at the tips."""
    if t <= 0 or t > 1:
        return []
    s = []
    r1 = size * (0.3 + 0.7 * t)
    r0 = r1 * (0.2 + 0.6 * t)
    for i in range(rays):
        a = 2 * math.pi * i / rays
        s.append(line(cx + r0 * math.cos(a), cy + r0 * math.sin(a),
                      cx + r1 * math.cos(a), cy + r1 * math.sin(a), colour, 3.2 - 1.6 * t))
        s.append(circle(cx + (r1 + 3) * math.cos(a), cy + (r1 + 3) * math.sin(a),
                        2.4 * (1.2 - t), "#FFD600"))
    return s


def cup(cx, base):
    """A gold cup standing on y = base."""
    return [arc(cx - 26, base - 78, 12, 14, 90, 270, GOLD_DARK, 5),
            arc(cx + 26, base - 78, 12, 14, 270, 450, GOLD_DARK, 5),
            polygon([(cx - 30, base - 96), (cx + 30, base - 96), (cx + 24, base - 66),
                     (cx + 8, base - 52), (cx - 8, base - 52), (cx - 24, base - 66)],
                    GOLD, GOLD_DARK, 2.5),
            rect(cx - 5, base - 54, cx + 5, base - 30, GOLD, GOLD_DARK, 2),
            rect(cx - 20, base - 32, cx + 20, base - 20, GOLD, GOLD_DARK, 2, 3),
            rect(cx - 26, base - 20, cx + 26, base - 4, "#6D4C41", "#3E2723", 2, 3),
            polygon(star_points(cx, base - 76, 11, 5), "white", GOLD_DARK, 1),
            line(cx - 22, base - 90, cx - 18, base - 70, "#FFF3B0", 3)]


def book(cx, cy, page_x):
    """An open book; page_x (-1..1) is where the turning page's edge is."""
    s = [polygon([(cx - 82, cy - 40), (cx, cy - 30), (cx + 82, cy - 40), (cx + 86, cy + 42),
                  (cx, cy + 50), (cx - 86, cy + 42)], "#1E88E5", "#0D47A1", 2.5),
         polygon([(cx - 78, cy - 44), (cx, cy - 34), (cx, cy + 42), (cx - 78, cy + 34)],
                 "white", "#90A4AE", 1.5),
         polygon([(cx + 78, cy - 44), (cx, cy - 34), (cx, cy + 42), (cx + 78, cy + 34)],
                 "white", "#90A4AE", 1.5)]
    for i in range(5):
        y = cy - 24 + i * 12
        s.append(line(cx - 68, y - 3, cx - 10, y + 2, "#B0BEC5", 2))
        s.append(line(cx + 10, y + 2, cx + 68, y - 3, "#B0BEC5", 2))
    edge = cx + 78 * page_x
    lift = 14 * (1 - abs(page_x))
    s.append(polygon([(cx, cy - 34), (edge, cy - 44 - lift), (edge, cy + 34 - lift),
                      (cx, cy + 42)], "#FFFDE7", "#90A4AE", 1.5))
    return s


def medal(cx, cy, r):
    return [polygon([(cx - r * 0.55, cy - r * 1.9), (cx - r * 0.05, cy - r * 1.9),
                     (cx + r * 0.25, cy - r * 0.7), (cx - r * 0.25, cy - r * 0.7)], RED),
            polygon([(cx + r * 0.55, cy - r * 1.9), (cx + r * 0.05, cy - r * 1.9),
                     (cx - r * 0.25, cy - r * 0.7), (cx + r * 0.25, cy - r * 0.7)], BLUE),
            circle(cx, cy, r, GOLD, GOLD_DARK, r * 0.08),
            circle(cx, cy, r * 0.78, "none", "#FFE082", r * 0.06),
            polygon(star_points(cx, cy + r * 0.04, r * 0.55, r * 0.24), "#FFF8E1",
                    GOLD_DARK, r * 0.05)]


