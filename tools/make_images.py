#!/usr/bin/env python3
"""Regenerates the program's icon and bitmaps (res/images/*.xpm) from the pixel art below.

The pictures are drawn in the 16 colours of the standard Windows palette on the button-face grey,
so the toolbar, menu and tab code can treat RGB(192,192,192) as the transparent colour. Bitmaps 160
to 164 are cut from the same pictures as the toolbar strip 150, so the two can never drift apart.

Usage: tools/make_images.py [output directory, default res/images]
"""
import os
import sys

# One letter per palette colour; '.' is the button face, '_' is "leave what is below" in overlays
# and "transparent" in the icon.
PALETTE = {
    'k': '#000000', 'r': '#800000', 'n': '#008000', 'y': '#808000',
    'b': '#000080', 'm': '#800080', 'c': '#008080', '.': '#C0C0C0',
    'g': '#808080', 'R': '#FF0000', 'G': '#00FF00', 'Y': '#FFFF00',
    'B': '#0000FF', 'M': '#FF00FF', 'C': '#00FFFF', 'w': '#FFFFFF',
}
ALIAS = {'s': '.'}  # silver inside a figure reads better apart from the background, same colour


class Canvas:
    def __init__(self, w, h, bg='.'):
        self.w, self.h = w, h
        self.px = [[bg] * w for _ in range(h)]

    def set(self, x, y, c):
        if 0 <= x < self.w and 0 <= y < self.h and c != '_':
            self.px[y][x] = c

    def get(self, x, y):
        return self.px[y][x]

    def rect(self, x0, y0, x1, y1, c):
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                self.set(x, y, c)

    def frame(self, x0, y0, x1, y1, c):
        for x in range(x0, x1 + 1):
            self.set(x, y0, c)
            self.set(x, y1, c)
        for y in range(y0, y1 + 1):
            self.set(x0, y, c)
            self.set(x1, y, c)

    def blit(self, rows, x0=0, y0=0):
        for y, row in enumerate(rows):
            for x, c in enumerate(row):
                self.set(x0 + x, y0 + y, c)

    def rows(self):
        return [''.join(r) for r in self.px]


def grid(text):
    rows = [r.strip() for r in text.strip('\n').split('\n')]
    for r in rows:
        assert len(r) == len(rows[0]), r
    return rows


def overlay(base, over, x0=0, y0=0):
    c = Canvas(len(base[0]), len(base))
    c.blit(base)
    c.blit(over, x0, y0)
    return c.rows()


def strip(parts):
    return [''.join(p[y] for p in parts) for y in range(len(parts[0]))]


def shade(rows, fill, lit, edge='k'):
    """Outlines a silhouette of '#' and lights it from the upper left; outside stays '_'."""
    h, w = len(rows), len(rows[0])

    def inside(x, y):
        return 0 <= x < w and 0 <= y < h and rows[y][x] == '#'

    def on_edge(x, y):
        return inside(x, y) and any(not inside(x + dx, y + dy) for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1)))

    out = []
    for y in range(h):
        s = ''
        for x in range(w):
            if not inside(x, y):
                s += '_'
            elif on_edge(x, y):
                s += edge
            else:
                s += lit if on_edge(x - 1, y) or on_edge(x, y - 1) else fill
        out.append(s)
    return out


OPEN = grid('''
................
..........bbb...
.........b...b.b
..............bb
.kkkk........bbb
kwwwwk..........
kwYYYwkkkkkk....
kwYYYYYYYYYk....
kwYYYYYkkkkkkkkk
kwYYYYkwwwwwwwwk
kwYYYkwYYYYYYYk.
kwYYkwYYYYYYYyk.
kwYkwYYYYYYYyk..
kwkwYYYYYYYyk...
kkkkkkkkkkkk....
................
''')

FLOPPY = grid('''
................
.kkkkkkkkkkkkk..
.kbwwwwwwwwwbbk.
.kbwggggggggwbk.
.kbwwwwwwwwwwbk.
.kbwggggggggwbk.
.kbwwwwwwwwwwbk.
.kbbbbbbbbbbbbk.
.kbbbbbbbbbbbbk.
.kbbwwwwwwwgbbk.
.kbbwsbbsssgbbk.
.kbbwsbbsssgbbk.
.kbbwsbbsssgbbk.
.kbbwgggggggbbk.
.kkkkkkkkkkkkkk.
................
''')

PRINTER = grid('''
................
................
....kkkkkkkk....
....kwwwwwwk....
....kwggggwk....
....kwwwwwwk....
..kkkwggggwkkk..
.kwwkkkkkkkkwwk.
kwwwwwwwwwwwwwwk
kwssssssssssssgk
kwsssssssssssggk
kggggggggggggggk
kkkkkkkkkkkkkkkk
.kk..........kk.
................
................
''')

PEN = grid('''
_____________kk_
____________kGGk
___________kGGnk
__________kGGnk_
_________kGGnk__
________kGGnk___
_______kwGnk____
______kwwk______
______kkk_______
''')

LAMP = grid('''
_________kk___
_________GG___
''')

FACTORY = grid('''
...........ww...
.........gwwg...
..........gg....
............kkk.
...k...k...kkrk.
..kk..kk..kk.rk.
.kwk.kwk.kwkkrk.
kwgkkwgkkwgkkrk.
kkkkkkkkkkkkkkkk
krrrrrrrrrrrrrrk
krCCrrCCrrCCrrrk
krCCrrCCrrCCrrrk
krrrrrrrrrrrrrrk
krCCrrCCrrkkkrrk
krrrrrrrrrkgkrrk
kkkkkkkkkkkkkkkk
''')

CHIP = grid('''
................
................
...wg..wg..wg...
...wg..wg..wg...
.kkkkkkkkkkkkkk.
.kggggggggggggk.
.kggggggggggggk.
.ssggggggggggkk.
.ssggggggggggkk.
.kggggggggggggk.
.kgwgggggggggkk.
.kkkkkkkkkkkkkk.
...wg..wg..wg...
...wg..wg..wg...
................
................
''')

GEAR = grid('''
......kkkk......
..kk..kssk..kk..
.kssk.ksgk.kssk.
.ksggkggggkgggk.
..ksgsggggsggk..
..ksgggkkggggk..
kksgggk..ksgggkk
ksgggk....ksgggk
ksgggk....ksgggk
kksgggk..ksgggkk
..ksggskksgggk..
..ksgggssggggk..
.ksggkggggksggk.
.ksgk.ksgk.ksgk.
..kk..ksgk..kk..
......kkkk......
''')

DOC = grid('''
kkkkkkkk........
kwwwwwwkk.......
kwggggwkwk......
kwwwwwwkkkk.....
kwgggggggwk.....
kwwwwwwwwwk.....
kwgggggggwk.....
kwwwwwwwwwk.....
kwgggggggwk.....
kwwwwwwwwwk.....
kwgggggggwk.....
kwwwwwwwwwk.....
kwgggggggwk.....
kwwwwwwwwwk.....
kkkkkkkkkkk.....
................
''')

MAGNIFIER = grid('''
_kkkk_____
kwwCCk____
kwCCCk____
kCCCCk____
kCCCCk____
_kkkkkk___
_____kkk__
______kkk_
_______kkk
________kk
''')


SMALL_PRINTER = grid('''
...kkkkkk...
...kwwwwk...
...kwggwk...
.kkkkkkkkkk.
kwwwwwwwwwwk
kssssssssssk
kggggggggggk
kkkkkkkkkkkk
''')

CIRCLING_ARROWS = grid('''
_____RRRRRR_____
___RR______RR___
__R__________R__
_R_________RRRRR
_R__________RRR_
_R___________R__
________________
________________
________________
________________
__R___________R_
_RRR__________R_
RRRRR_________R_
__R__________R__
___RR______RR___
_____RRRRRR_____
''')

GEAR14 = grid('''
.....####.....
.##..####..##.
.############.
..##########..
..##########..
######..######
#####....#####
#####....#####
######..######
..##########..
..##########..
.############.
.##..####..##.
.....####.....
''')

GEAR8 = grid('''
__k__k__
_kkkkkk_
kkCBBBkk
_kB__Bk_
_kB__bk_
kkBBbbkk
_kkkkkk_
__k__k__
''')


def toolbar_pictures():
    """The five toolbar pictures, left to right: load, write, send, factory settings, printer selection."""
    printer_pen = overlay(PRINTER, PEN)
    printer_cycle = overlay(overlay([r.replace('_', '.') for r in CIRCLING_ARROWS], SMALL_PRINTER, 2, 3),
                            CIRCLING_ARROWS)
    return [OPEN, FLOPPY, printer_pen, FACTORY, printer_cycle]


def dot_matrix_printer(c):
    """A wide printer with tractor-feed paper and a platen knob, 32x32."""
    c.rect(7, 0, 24, 12, 'w')
    c.frame(7, 0, 24, 12, 'k')
    for y in range(1, 12, 2):  # sprocket holes
        c.set(9, y, 'g')
        c.set(22, y, 'g')
    for y, x1 in zip(range(2, 11, 2), (19, 17, 19, 18, 16)):  # printed lines
        c.rect(12, y, x1, y, 'b')
    for x in range(8, 24, 2):  # perforation between two forms
        c.set(x, 6, 'g')
    for i, y in enumerate(range(11, 17)):  # top cover leaning back
        x0, x1 = 5 - i, 26 + i
        c.rect(x0, y, x1, y, 's')
        c.set(x0, y, 'k')
        c.set(x1, y, 'k')
    c.rect(5, 11, 26, 11, 'k')
    c.rect(8, 13, 23, 13, 'k')  # paper slot
    c.rect(8, 14, 23, 14, 'g')
    c.rect(1, 16, 30, 16, 'w')
    c.rect(0, 17, 31, 27, 's')  # front
    c.frame(0, 17, 31, 27, 'k')
    c.set(0, 16, 'k')
    c.set(31, 16, 'k')
    c.rect(1, 18, 1, 26, 'w')
    c.rect(30, 17, 30, 26, 'g')
    c.rect(1, 26, 30, 26, 'g')
    c.rect(4, 19, 20, 20, 'k')  # front paper exit
    c.rect(4, 21, 20, 21, 'g')
    c.rect(3, 23, 4, 24, 'G')  # power lamp
    c.set(3, 23, 'w')
    c.rect(6, 23, 7, 24, 'n')
    for y, (x0, x1) in zip(range(11, 16), ((1, 3), (0, 4), (0, 4), (0, 4), (1, 3))):  # platen knob
        c.rect(x0, y, x1, y, 'k')
    c.rect(1, 12, 2, 13, 'g')
    c.set(1, 12, 'w')
    c.rect(2, 28, 6, 29, 'k')  # feet
    c.rect(25, 28, 29, 29, 'k')


def icon32():
    c = Canvas(32, 32, '_')
    dot_matrix_printer(c)
    c.blit(shade(GEAR14, 'b', 'B'), 18, 18)
    return c.rows()


def icon16():
    c = Canvas(16, 16, '_')
    c.blit([r.replace('.', '_') for r in PRINTER])
    x0 = y0 = 8
    # a one-pixel silver rim keeps the gear apart from the printer's outline
    for y, row in enumerate(GEAR8):
        for x, ch in enumerate(row):
            if ch == '_':
                continue
            for dx in (-1, 0, 1):
                for dy in (-1, 0, 1):
                    gx, gy = x + dx, y + dy
                    in_gear = 0 <= gx < len(row) and 0 <= gy < len(GEAR8) and GEAR8[gy][gx] != '_'
                    if not in_gear and 0 <= x0 + gx < 16 and 0 <= y0 + gy < 16 and c.get(x0 + gx, y0 + gy) != '_':
                        c.set(x0 + gx, y0 + gy, 's')
    c.blit(GEAR8, x0, y0)
    return c.rows()


def check(name, rows, w, h):
    assert len(rows) == h, (name, len(rows))
    for r in rows:
        assert len(r) == w, (name, r)
        for ch in r:
            assert ch in PALETTE or ch in ALIAS or ch == '_', (name, ch)


def write_xpm(path, rows):
    rows = [''.join(ALIAS.get(ch, ch) for ch in r).replace('_', ' ') for r in rows]
    order = list(PALETTE) + [' ']
    used = sorted({ch for r in rows for ch in r}, key=order.index)
    assert len(used) <= 16, path
    name = os.path.splitext(os.path.basename(path))[0]
    out = ['/* XPM */', 'static const char* const %s[] = {' % name,
           '"%d %d %d 1",' % (len(rows[0]), len(rows), len(used))]
    out += ['"%s c %s",' % (ch, 'None' if ch == ' ' else PALETTE[ch]) for ch in used]
    out += ['"%s",' % r for r in rows[:-1]] + ['"%s"};' % rows[-1]]
    with open(path, 'w') as f:
        f.write('\n'.join(out) + '\n')


def main():
    outdir = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), '..', 'res', 'images')
    five = toolbar_pictures()
    menu = five + [overlay(PRINTER, LAMP, 1, 9), CHIP, GEAR]  # 160..167
    tabs = [GEAR, CHIP, PRINTER, overlay(DOC, MAGNIFIER, 6, 6)]  # 168
    for i, picture in enumerate(menu):
        check('bmp%d' % (160 + i), picture, 16, 16)
        write_xpm(os.path.join(outdir, 'bmp%d.xpm' % (160 + i)), picture)
    for i, picture in enumerate(tabs):
        check('tab %d' % i, picture, 16, 16)
    write_xpm(os.path.join(outdir, 'bmp150.xpm'), strip(five))
    write_xpm(os.path.join(outdir, 'bmp168.xpm'), strip(tabs))
    big, small = icon32(), icon16()
    check('icon128', big, 32, 32)
    check('icon128_16', small, 16, 16)
    write_xpm(os.path.join(outdir, 'icon128.xpm'), big)
    write_xpm(os.path.join(outdir, 'icon128_16.xpm'), small)


if __name__ == '__main__':
    main()
