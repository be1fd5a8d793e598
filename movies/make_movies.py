#!/usr/bin/env python3
"""Writes the demo movies (.qlm) and the demo playlist (demo.qpp) of this folder.

The movies are drawn here frame by frame; run the script again after changing it. Every movie
starts with its "name =" comment, followed by a line that says what it shows.
"""
import math
import random
from pathlib import Path

W, H = 18, 8
HERE = Path(__file__).resolve().parent


def blank():
    return [[0] * W for _ in range(H)]


def put(frame, x, y, on=1):
    if 0 <= x < W and 0 <= y < H:
        frame[y][x] = on


def write_movie(file_name, name, about, frames):
    """frames: list of (display time in ms, frame)."""
    lines = [f"# name = {name}", f"# {about}", "# Ein QuarnoLights-Film aus dem QPZ-Demo."]
    for ms, frame in frames:
        lines.append(f"@{ms}")
        lines.extend("".join("1" if c else "0" for c in row) for row in frame)
    (HERE / file_name).write_bytes(("\r\n".join(lines) + "\r\n").encode("cp1252"))


def heart():
    small = ["..........", "..##.##...", ".#######..", ".#######..", "..#####...",
             "...###....", "....#.....", ".........."]
    big = ["..##...##.", ".####.####", "##########", "##########", ".########.",
           "..######..", "...####...", "....##...."]

    def draw(shape, dx):
        f = blank()
        for y, row in enumerate(shape):
            for x, ch in enumerate(row):
                if ch == "#":
                    put(f, x + dx, y)
        return f
    frames = []
    for _ in range(3):
        frames += [(500, draw(small, 4)), (110, draw(big, 4)), (130, draw(small, 4)),
                   (110, draw(big, 4))]
    return frames


def rain():
    rnd = random.Random(7)
    drops = []
    frames = []
    for step in range(72):
        if step < 60:
            for _ in range(rnd.choice([0, 1, 1, 2])):
                drops.append([rnd.randrange(W), 0, rnd.choice([1, 2])])
        f = blank()
        for d in drops:
            put(f, d[0], d[1])
            put(f, d[0], d[1] - 1)
        # splashes on the ground row
        for d in drops:
            if d[1] >= H - 1:
                put(f, d[0] - 1, H - 1)
                put(f, d[0] + 1, H - 1)
        frames.append((60, f))
        for d in drops:
            d[1] += d[2]
        drops = [d for d in drops if d[1] < H + 1]
    return frames


def scanner():
    frames = []
    positions = list(range(W)) + list(range(W - 2, 0, -1))
    trail = []
    for _ in range(2):
        for x in positions:
            trail = ([x] + trail)[:4]
            f = blank()
            for age, tx in enumerate(trail):
                rows = [3, 4] if age == 0 else ([2, 3, 4, 5] if age == 1 else [3, 4])
                if age == 3:
                    rows = [3]
                for y in rows:
                    put(f, tx, y)
            for y in (0, 7):
                for x2 in range(0, W, 3):
                    put(f, x2, y)
            frames.append((45, f))
    return frames


def snake():
    # a snake of eight cells that wanders the border, then spirals inwards
    path = [(x, 0) for x in range(W)] + [(W - 1, y) for y in range(1, H)] \
        + [(x, H - 1) for x in range(W - 2, -1, -1)] + [(0, y) for y in range(H - 2, 0, -1)]
    inner = [(x, 2) for x in range(2, W - 2)] + [(W - 3, y) for y in range(3, H - 2)] \
        + [(x, H - 3) for x in range(W - 4, 1, -1)]
    route = path * 2 + inner
    frames = []
    length = 8
    apple = (9, 4)
    for i in range(len(route)):
        f = blank()
        for k in range(length):
            if i - k >= 0:
                put(f, *route[i - k])
        if (i // 3) % 2 == 0:
            put(f, *apple)
        frames.append((55, f))
    return frames


def wave():
    frames = []
    for t in range(48):
        f = blank()
        for x in range(W):
            y = 3.5 + 3.2 * math.sin((x + t) * 2 * math.pi / 12) * math.cos(t * math.pi / 24)
            iy = int(round(y))
            put(f, x, iy)
            # fill below the crest for a water surface
            for yy in range(iy + 1, H):
                if (x + yy + t) % 2 == 0:
                    put(f, x, yy)
        frames.append((50, f))
    return frames


def fireworks():
    rnd = random.Random(3)
    frames = []
    for launch in range(4):
        x = rnd.choice([3, 6, 9, 12, 14])
        top = rnd.choice([1, 2])
        for y in range(H - 1, top, -1):
            f = blank()
            put(f, x, y)
            put(f, x, y + 1)
            frames.append((45, f))
        for r in range(1, 6):
            f = blank()
            for a in range(12):
                ang = a * math.pi / 6
                px = x + round(r * 1.4 * math.cos(ang))
                py = top + round(r * math.sin(ang)) + (r // 3)
                put(f, px, py)
            frames.append((70 + 15 * r, f))
        frames.append((250, blank()))
    return frames


def spiral():
    order = []
    left, right, top, bottom = 0, W - 1, 0, H - 1
    while left <= right and top <= bottom:
        order += [(x, top) for x in range(left, right + 1)]
        order += [(right, y) for y in range(top + 1, bottom + 1)]
        if top < bottom:
            order += [(x, bottom) for x in range(right - 1, left - 1, -1)]
        if left < right:
            order += [(left, y) for y in range(bottom - 1, top, -1)]
        left, right, top, bottom = left + 1, right - 1, top + 1, bottom - 1
    frames = []
    lit = set()
    for i in range(0, len(order), 3):
        lit.update(order[i:i + 3])
        f = blank()
        for p in lit:
            put(f, *p)
        frames.append((30, f))
    frames[-1] = (600, frames[-1][1])
    for i in range(len(order) - 1, -1, -3):
        for p in order[max(0, i - 2):i + 1]:
            lit.discard(p)
        f = blank()
        for p in lit:
            put(f, *p)
        frames.append((30, f))
    return frames


def pingpong():
    frames = []
    x, y, dx, dy = 2.0, 1.0, 1, 1
    left, right = 3, 3
    for _ in range(120):
        f = blank()
        target = int(y)
        left += (target > left + 1) - (target < left)
        right += (target > right + 1) - (target < right)
        left = max(0, min(H - 3, left))
        right = max(0, min(H - 3, right))
        for k in range(3):
            put(f, 0, left + k)
            put(f, W - 1, right + k)
        for k in range(0, H, 2):
            put(f, W // 2, k)
        put(f, int(x), int(y))
        frames.append((60, f))
        x += dx
        y += dy * 0.5
        if x <= 1 or x >= W - 2:
            dx = -dx
        if y <= 0 or y >= H - 1:
            dy = -dy
            y = max(0, min(H - 1, y))
    return frames


def stars():
    rnd = random.Random(11)
    sky = [(rnd.randrange(W), rnd.randrange(H), rnd.randrange(6)) for _ in range(22)]
    frames = []
    comet_y = 1
    for t in range(60):
        f = blank()
        for sx, sy, phase in sky:
            if (t + phase) % 6 < 4:
                put(f, sx, sy)
        if 20 <= t < 20 + W + 4:
            cx = t - 20
            for k in range(4):
                put(f, cx - k, comet_y + (k // 2))
        frames.append((90, f))
    return frames


def life():
    # Conway's rules on a wrap-around field, seeded with two gliders and a blinker.
    cells = {(1, 0), (2, 1), (0, 2), (1, 2), (2, 2), (10, 1), (11, 2), (9, 3), (10, 3), (11, 3),
             (14, 5), (15, 5), (16, 5)}
    frames = []
    for _ in range(64):
        f = blank()
        for (x, y) in cells:
            put(f, x, y)
        frames.append((110, f))
        counts = {}
        for (x, y) in cells:
            for ddx in (-1, 0, 1):
                for ddy in (-1, 0, 1):
                    if ddx or ddy:
                        p = ((x + ddx) % W, (y + ddy) % H)
                        counts[p] = counts.get(p, 0) + 1
        cells = {p for p, n in counts.items() if n == 3 or (n == 2 and p in cells)}
    return frames


GLYPHS = {
    "Q": ["01110", "10001", "10001", "10001", "10101", "10010", "01101"],
    "P": ["11110", "10001", "10001", "11110", "10000", "10000", "10000"],
    "Z": ["11111", "00001", "00010", "00100", "01000", "10000", "11111"],
    " ": ["000", "000", "000", "000", "000", "000", "000"],
    "*": ["00000", "00100", "10101", "01110", "10101", "00100", "00000"],
}


def banner():
    text = "  QPZ * QPZ *  "
    columns = []
    for ch in text:
        g = GLYPHS[ch]
        for x in range(len(g[0])):
            columns.append([int(g[y][x]) for y in range(7)])
        columns.append([0] * 7)
    frames = []
    for start in range(len(columns) - W + 1):
        f = blank()
        for x in range(W):
            for y in range(7):
                if columns[start + x][y]:
                    put(f, x, y)
        frames.append((70, f))
    return frames


MOVIES = [
    ("herzschlag.qlm", "Herzschlag", "Ein Herz, das im Takt pocht.", heart),
    ("regen.qlm", "Regenschauer", "Tropfen fallen und spritzen am Boden.", rain),
    ("lauflicht.qlm", "Lauflicht", "Ein Lichtbalken mit Schweif wandert hin und her.", scanner),
    ("schlange.qlm", "Schlange", "Eine Schlange kriecht am Rand entlang.", snake),
    ("wellen.qlm", "Wellen", "Eine Wasserwelle schwillt an und ab.", wave),
    ("feuerwerk.qlm", "Feuerwerk", "Raketen steigen auf und zerplatzen.", fireworks),
    ("spirale.qlm", "Spirale", "Die Anzeige füllt sich spiralförmig und leert sich wieder.",
     spiral),
    ("pingpong.qlm", "Ping-Pong", "Zwei Schläger spielen sich den Ball zu.", pingpong),
    ("sterne.qlm", "Sternenhimmel", "Funkelnde Sterne und ein Komet.", stars),
    ("lebensspiel.qlm", "Lebensspiel", "Zellen leben und sterben nach einfachen Regeln.", life),
    ("banner.qlm", "QPZ-Banner", "Der Schriftzug QPZ läuft durch.", banner),
]

# Movie entries: (movie file, repetitions, boost, transition caption).
# Generator entries: (special name, description, duration, transition caption).
SCROLL = "[scroll|Hallo Welt - schöne Grüße vom QPZ!|R->L|165|QPZ, 6pt, N]"
DEMO = [
    ("banner.qlm", 1, 0, "[Kein]"),
    (SCROLL, "(Scrolltext: Hallo Welt - schöne Grüße vom QPZ! | R->L)", "-", "Blende öffnen"),
    ("herzschlag.qlm", 2, 0, "Blende öffnen"),
    ("regen.qlm", 1, 0, "Wischen (Links->Rechts)"),
    ("[clock 1]", "(Digitaluhr)", "10s", "Wischen (Rechts->Links)"),
    ("lauflicht.qlm", 2, 50, "Einzelne Pixel"),
    ("schlange.qlm", 1, 0, "Wischen (Rechts->Links)"),
    ("wellen.qlm", 2, 0, "Blende schließen"),
    ("[clock 2]", "(Binäruhr)", "10s", "Einzelne Pixel"),
    ("feuerwerk.qlm", 1, 0, "Zufällig"),
    ("spirale.qlm", 1, -50, "Blende öffnen"),
    ("pingpong.qlm", 1, 0, "Wischen (Links->Rechts)"),
    ("sterne.qlm", 1, 0, "Einzelne Pixel"),
    ("lebensspiel.qlm", 1, 0, "Zufällig"),
]


def playlist_entry(entry):
    """The key lines of one playlist row, in the order the player writes them."""
    names = {file: name for file, name, _, _ in MOVIES}
    if entry[0].startswith("["):
        name, description, duration, transition = entry
        return [f"Description={description}", f"Duration={duration}", "Repitions=-",
                "Boost=-", f"Transition={transition}", f"Filename={name}"]
    file, reps, boost, transition = entry
    return [f"Description={names[file]}", "Duration=-", f"Repitions={reps}",
            f"Boost={boost}%", f"Transition={transition}", f"Filename={file}"]


def write_playlist():
    lines = ["[General]", "Editor=QuarnoPlayer ZORVIK V3.0.2", "Repeat=1", "Shuffle=0",
             f"EntryCount={len(DEMO)}"]
    for i, entry in enumerate(DEMO, 1):
        lines += ["", f"[Entry{i}]", "Checked=-1"] + playlist_entry(entry)
    (HERE / "demo.qpp").write_bytes(("\r\n".join(lines) + "\r\n").encode("cp1252"))


if __name__ == "__main__":
    for file_name, name, about, make in MOVIES:
        write_movie(file_name, name, about, make())
    write_playlist()
