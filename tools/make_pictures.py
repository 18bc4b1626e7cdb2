#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Draws every picture and animation of resources/RISORSE with ImageMagick.

Each picture is a list of vector shapes in its own pixel coordinates
(picture_kit, picture_figures). Animations are drawn frame by frame and
joined into looping GIFs with a transparent background, so they sit well on
any panel colour. Texts use Comic Neue, the free look-alike of the font the
windows use.

Usage: tools/make_pictures.py [output folder]   (default resources/RISORSE)
Needs: ImageMagick's convert and the Comic Neue font (fonts-comic-neue).
"""

import math
import os
import subprocess
import sys

sys.dont_write_bytecode = True  # keep tools/ free of __pycache__

from picture_kit import (BLUE, GOLD, GOLD_DARK, GREEN, INK, RED, arc, circle, ellipse, finish, gif,
                         group, jpeg, line, png, polygon, rect, render, scratch, start,
                         star_points, text)
from picture_figures import (book, bulb, burst, cup, face, kid, medal, owl, star_face)

HERE = os.path.dirname(os.path.abspath(__file__))


# ---------------------------------------------------------------- exercise windows

def exercise_animations():
    # Sized like the players of the exercise windows: GIF1 and GIF2 fill the
    # 100 by 128 panel beside the problem text, GIF3 is 200 by 120 and travels
    # across the answer panel.

    # Error: a face shaking its head, "Riprova!" below. 11 frames of 10 cs.
    frames = []
    for dx in [0, -6, -8, -4, 4, 8, 6, 0, -4, 0, 0]:
        frames.append((face(50 + dx, 52, 33, "worried"),
                       [text("Riprova!", 18, 0, 98, "#E64A19", stroke="white", width=0.3)]))
    gif("problema_GIF1.gif", 100, 128, frames, 10)

    # Step right: a smiling star jumping, "Bravo!" below; 8 frames of 10 cs.
    frames = []
    for y, squash in [(60, 1.15), (52, 0.95), (42, 0.9), (37, 0.92), (39, 0.95), (48, 1.0),
                      (58, 1.05), (62, 1.2)]:
        shapes = [ellipse(50, 94, 20 - (62 - y) * 0.3, 4, "#90A4AE")]
        shapes += star_face(50, y, 32, squash=squash)
        frames.append((shapes, [text("Bravo!", 18, 0, 100, GREEN, stroke="white", width=0.3)]))
    gif("problema_GIF2.gif", 100, 128, frames, 10)

    # Solved: a gold cup with fireworks; 12 frames of 10 cs.
    frames = []
    for i in range(12):
        shapes = []
        shapes += burst(34, 30, (i % 12) / 7.0, "#E91E63", 12, 26)
        shapes += burst(166, 32, ((i - 4) % 12) / 7.0, "#2196F3", 12, 26)
        shapes += burst(100, 14, ((i - 8) % 12) / 7.0, "#43A047", 12, 16)
        shapes += burst(50, 80, ((i - 6) % 12) / 7.0, "#FB8C00", 10, 18)
        shapes += burst(150, 80, ((i - 10) % 12) / 7.0, "#8E24AA", 10, 18)
        shapes += group(cup(100, 126), 20, -3, 0.8)
        frames.append((shapes, [text("Bravissimo!", 18, 0, 0, RED, "South", "white", 0.4)]))
    gif("problema_GIF3.gif", 200, 120, frames, 10)

    # Finished with the solution: calmer pictures, a gently glowing bulb...
    frames = []
    for i in range(10):
        glow = 0.5 + 0.5 * math.cos(2 * math.pi * i / 10)
        frames.append((bulb(50, 46, 22, glow),
                       [text("Ora lo sai!", 15, 0, 98, BLUE, stroke="white", width=0.3)]))
    gif("problema_GIF2A.gif", 100, 128, frames, 15)

    # ... and an open book turning a page, "Riprova tu!".
    frames = []
    for i in range(10):
        page = math.cos(math.pi * i / 9)
        frames.append((group(book(100, 66, page), 20, -3, 0.8),
                       [text("Riprova tu!", 18, 0, 0, BLUE, "South", "white", 0.4)]))
    gif("problema_GIF3A.gif", 200, 120, frames, 15)

    png("esatto.png", 100, 100, medal(50, 60, 32))
    png("aiuto.png", 100, 100, bulb(50, 40, 22, 1.0))


# ---------------------------------------------------------------- tool bar

def toolbar():
    icons = {
        "btn_chiudi.png": [circle(16, 16, 13, RED, "#B71C1C", 1.5),
                           line(11, 11, 21, 21, "white", 3.2), line(21, 11, 11, 21, "white", 3.2)],
        "btn_carica.png": [polygon([(3, 9), (12, 9), (14, 12), (28, 12), (28, 27), (3, 27)],
                                   "#FFB300", "#E65100", 1.3),
                           polygon([(6, 15), (31, 15), (28, 27), (3, 27)], "#FFD54F", "#E65100",
                                   1.3),
                           polygon([(16, 3), (21, 8), (18, 8), (18, 13), (14, 13), (14, 8),
                                    (11, 8)], GREEN, "#1B5E20", 1)],
        "btn_salva.png": [rect(4, 4, 28, 28, BLUE, "#0D47A1", 1.5, 3),
                          rect(9, 4, 23, 13, "white", "#0D47A1", 1),
                          rect(18, 6, 21, 11, "#0D47A1"),
                          rect(8, 17, 24, 28, "#E3F2FD", "#0D47A1", 1),
                          line(11, 21, 21, 21, "#90CAF9", 1.3), line(11, 24, 21, 24, "#90CAF9", 1.3)],
        "btn_stampa.png": [rect(9, 3, 23, 13, "white", INK, 1.3),
                           rect(3, 11, 29, 23, "#78909C", INK, 1.5, 3),
                           circle(25, 15, 1.5, GREEN),
                           rect(8, 18, 24, 29, "white", INK, 1.3),
                           line(11, 22, 21, 22, "#90A4AE", 1.3), line(11, 25, 21, 25, "#90A4AE", 1.3)],
        "btn_aiuto.png": [circle(16, 16, 13, BLUE, "#0D47A1", 1.5)],
        "btn_precedente.png": [polygon([(3, 16), (15, 4), (15, 11), (28, 11), (28, 21), (15, 21),
                                        (15, 28)], GREEN, "#1B5E20", 1.5)],
        "btn_successivo.png": [polygon([(29, 16), (17, 4), (17, 11), (4, 11), (4, 21), (17, 21),
                                        (17, 28)], GREEN, "#1B5E20", 1.5)],
        "btn_soluzione.png": bulb(16, 12, 7.5, 0.6),
    }
    texts = {"btn_aiuto.png": [text("?", 22, 0, 0, "white", "Center")]}
    for name, shapes in icons.items():
        png(name, 32, 32, shapes, texts.get(name, ()))
    png("btn_err.png", 16, 16, bulb(8, 6.2, 4.0, 0.0))


# ---------------------------------------------------------------- main window

def main_window():
    png("logo.png", 97, 103, owl(0, 0, 1))

    # Splash: the owl on a sky-blue disc, the name below.
    shapes = [circle(125, 105, 92, "#B3E5FC", "#4FC3F7", 4)] + owl(125 - 97 * 0.8, 30, 1.6)
    png("splash.png", 250, 250, shapes,
        [text("Quorvia", 38, 0, 6, "#0D47A1", "South", "white", 0.6)], bg="white")

    # Blackboard: wooden frame, green slate with faint chalk marks, chalk tray.
    shapes = [rect(0, 0, 328, 215, "#8D6E63", "#4E342E", 2, 6),
              rect(5, 5, 323, 201, "#A1887F"),
              rect(11, 11, 317, 195, "#2E5E3E", "#1B3A26", 2),
              line(30, 150, 80, 146, "#4F7C5E", 3), line(240, 40, 300, 44, "#4C795A", 4),
              line(200, 170, 290, 165, "#487557", 2),
              rect(40, 197, 290, 210, "#6D4C41", "#3E2723", 1.5, 2),
              rect(70, 194, 92, 199, "white", "#CFD8DC", 0.8, 1.5),
              rect(110, 194, 124, 199, "#FFF59D", "#F9A825", 0.8, 1.5),
              rect(230, 192, 262, 200, "#ECEFF1", "#90A4AE", 0.8, 2),
              rect(230, 192, 240, 200, "#5D4037")]
    png("lavagna.png", 329, 216, shapes)

    gif("mascotte.gif", 91, 155, [(kid(f), []) for f in range(4)], 18)

    # A bouncing ball with a smile, and its shadow on the ground.
    frames = []
    heights = [0, 18, 34, 46, 52, 46, 34, 18]
    for h in heights:
        squash = 1.25 if h == 0 else 1.0
        cy = 110 - h * 1.4
        r = 26
        shapes = [ellipse(50, 134, 26 - h * 0.25, 5 - h * 0.04, "#546E7A")]
        cy += r - r / squash  # a squashed ball still touches the ground
        shapes += [ellipse(50, cy, r * squash, r / squash, "#FF7043", "#D84315", 2),
                   ellipse(41, cy - 12 / squash, 7, 4, "#FFCCBC"),
                   circle(42, cy - 3, 3, INK), circle(58, cy - 3, 3, INK),
                   arc(50, cy + 4, 9, 6 / squash, 20, 160, INK, 2.5),
                   circle(36, cy + 6, 3.5, "#FF8A80"), circle(64, cy + 6, 3.5, "#FF8A80")]
        frames.append((shapes, []))
    gif("ani2.gif", 101, 142, frames, 8)

    # Twinkling star.
    frames = []
    for i in range(8):
        k = 0.75 + 0.25 * math.cos(2 * math.pi * i / 8)
        shapes = [polygon(star_points(32, 33, 26 * k, 11 * k, i * 9), GOLD, GOLD_DARK, 2)]
        for j, (x, y) in enumerate([(8, 10), (56, 12), (10, 56), (54, 54)]):
            if (i + j) % 4 < 2:
                shapes += [line(x - 4, y, x + 4, y, "#FFF176", 2), line(x, y - 4, x, y + 4,
                                                                       "#FFF176", 2)]
        frames.append((shapes, []))
    gif("ani3.gif", 64, 64, frames, 12)

    # A coin that spins and shows the four operation signs in turn.
    # Each face is drawn once and squeezed sideways for the turn.
    frames = []
    signs = [("+", RED), ("−", BLUE), ("×", GREEN), (":", "#8E24AA")]
    for n, (sign, colour) in enumerate(signs):
        coin = scratch("coin-%d.png" % n)
        render(coin, 64, 64, [circle(32, 32, 28, colour, "white", 2.5)],
               [text(sign, 66, 0, -5, "white", "Center")])
        for j, k in enumerate((0.1, 0.45, 0.8, 1.0, 1.0, 1.0, 0.8, 0.45)):
            f = scratch("coin-%d-%d.png" % (n, j))
            subprocess.run(["convert", coin, "-resize", "%dx64!" % max(2, round(64 * k)),
                            "-background", "none", "-gravity", "center", "-extent", "64x64",
                            f], check=True)
            frames.append(f)
    gif("gif_animator.gif", 64, 64, frames, 9)


# ---------------------------------------------------------------- problem pictures

def problem_pictures():
    # 4 rows of 6 biscuits on a tray.
    shapes = [rect(8, 14, 232, 172, "#D7CCC8", "#8D6E63", 3, 14),
              rect(16, 22, 224, 164, "#EFEBE9", "#BCAAA4", 1.5, 10)]
    for row in range(4):
        for col in range(6):
            x, y = 40 + col * 32, 42 + row * 34
            shapes += [circle(x, y, 13, "#E0A458", "#A0522D", 1.5),
                       circle(x - 4, y - 3, 2, "#5D4037"), circle(x + 4, y + 1, 2, "#5D4037"),
                       circle(x - 1, y + 5, 1.8, "#5D4037")]
    jpeg("img_biscotti.jpg", 240, 180, shapes, bg="#FFF8E1")

    # 7 packets of stickers, each saying 5.
    shapes = []
    colours = [RED, BLUE, GREEN, "#FB8C00", "#8E24AA", "#00ACC1", "#F06292"]
    texts = []
    for i, c in enumerate(colours):
        x = 14 + (i % 4) * 56 + (28 if i >= 4 else 0)
        y = 14 if i < 4 else 96
        texts.append(text("5", 22, x + 14, y + 46, "white", "NorthWest", INK, 0.4))
        shapes += [polygon([(x, y + 4), (x + 6, y), (x + 12, y + 4), (x + 18, y), (x + 24, y + 4),
                            (x + 30, y), (x + 36, y + 4), (x + 42, y), (x + 42, y + 72),
                            (x, y + 72)], c, "#263238", 1.5),
                   rect(x + 6, y + 14, x + 36, y + 48, "white", "#263238", 1, 4),
                   polygon(star_points(x + 21, y + 31, 12, 5), GOLD, GOLD_DARK, 1)]
    jpeg("img_figurine.jpg", 240, 180, shapes, texts, bg="#E8F5E9")

    # 3 bottles of water with a 1,5 l label.
    shapes = [rect(0, 150, 240, 180, "#BCAAA4")]
    texts = []
    for i in range(3):
        x = 48 + i * 72
        shapes += [rect(x - 8, 16, x + 8, 30, BLUE, "#0D47A1", 1.5, 2),
                   polygon([(x - 8, 30), (x + 8, 30), (x + 22, 56), (x + 22, 150), (x - 22, 150),
                            (x - 22, 56)], "#B3E5FC", "#0277BD", 2),
                   rect(x - 20, 64, x + 20, 150, "#81D4FA"),
                   rect(x - 22, 86, x + 22, 118, "white", "#0277BD", 1.5),
                   line(x - 14, 60, x - 14, 140, "white", 3)]
        texts.append(text("1,5 L", 15, x - 18, 90, "#0D47A1", "NorthWest"))
    jpeg("img_bottiglie.jpg", 240, 180, shapes, texts, bg="#FFFDE7")

    # A fruit stall: striped awning, a crate of cherries, price sign, scale.
    shapes = []
    for i in range(8):
        shapes.append(polygon([(i * 30, 0), (i * 30 + 30, 0), (i * 30 + 30, 30), (i * 30, 30)],
                              RED if i % 2 == 0 else "white"))
        shapes.append(ellipse(i * 30 + 15, 30, 15, 8, RED if i % 2 == 0 else "white", "none",
                              0, 0, 180))
    shapes += [rect(0, 132, 240, 180, "#8D6E63", "#4E342E", 2),
               rect(14, 92, 122, 136, "#A1887F", "#5D4037", 2, 3),
               line(14, 114, 122, 114, "#5D4037", 2)]
    for j in range(5):
        for i in range(8):
            x, y = 22 + i * 13 + (6 if j % 2 else 0), 74 + j * 5 + (i % 2) * 2
            if x < 118:
                shapes += [line(x, y, x + 4, y - 12, "#2E7D32", 1.5),
                           circle(x, y, 5.2, "#C62828", "#7F0000", 1),
                           circle(x - 1.5, y - 1.5, 1.3, "#FF8A80")]
    shapes += [rect(132, 46, 226, 98, "white", INK, 2, 6),
               line(179, 98, 179, 132, "#5D4037", 3),
               rect(136, 106, 232, 134, "#CFD8DC", "#455A64", 1.5, 3),
               rect(142, 109, 226, 131, "#263238")]
    texts = [text("Ciliegie", 15, 140, 48, RED, "NorthWest"),
             text("6 € al kg", 17, 138, 70, INK, "NorthWest"),
             text("2,5 kg", 17, 153, 108, "#76FF03", "NorthWest")]
    jpeg("img_mercato.jpg", 240, 180, shapes, texts, bg="#FFF8E1")



def main():
    out = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else
                          os.path.join(HERE, "..", "resources", "RISORSE"))
    start(out)
    try:
        exercise_animations()
        toolbar()
        main_window()
        problem_pictures()
    finally:
        finish()
    for name in sorted(os.listdir(out)):
        if name.endswith((".png", ".gif", ".jpg")):
            print("%-22s %6d bytes" % (name, os.path.getsize(os.path.join(out, name))))


if __name__ == "__main__":
    main()
