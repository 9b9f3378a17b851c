#!/usr/bin/env python3
"""Draws the program's 16-colour images as XPM files in res/images (run from the repository root)."""

PALETTE = {
    '.': '#C0C0C0', 'k': '#000000', 'w': '#FFFFFF', 'g': '#808080', 'r': '#FF0000', 'R': '#800000',
    'G': '#00FF00', 'd': '#008000', 'b': '#0000FF', 'B': '#000080', 'y': '#FFFF00', 'Y': '#808000',
    'c': '#00FFFF', 'C': '#008080', 'm': '#FF00FF', 'M': '#800080', ' ': 'None',
}

FOLDER = """
................
.........kkk....
........k...k.k.
.............kk.
.kkkk.......kkk.
kwyywk..........
kyyyyykkkkkkk...
kyyyyyyyyyyyk...
kyyykkkkkkkkkkk.
kyykyyyyyyyyyyk.
kykyyyyyyyyyyk..
kkyyyyyyyyyyk...
kyyyyyyyyyyk....
kkkkkkkkkkk.....
................
................"""

FLOPPY = """
................
.kkkkkkkkkkkkkk.
.kBBkwwwwwwkBBk.
.kBBkwwwwwwkBBk.
.kBBkwggggwkBBk.
.kBBkwwwwwwkBBk.
.kBBBkkkkkkBBBk.
.kBBBBBBBBBBBBk.
.kBBkkkkkkkkBBk.
.kBBkggggBBkBBk.
.kBBkggggBBkBBk.
.kBBkggggBBkBBk.
.kBBkggggBBkBBk.
..kkkkkkkkkkkkk.
................
................"""

PRINTER_PEN = """
............kk..
...........kGdk.
..........kGdk..
....kkkkkkGdkk..
....kwwwwkdkwk..
....kwkkkkkkwk..
..kkkwwwwwwwkkk.
.kwwwwwwwwwwww.k
.k............gk
.k.........dd.gk
.kgggggggggggggk
.kkkkkkkkkkkkkkk
..kwwwwwwwwwwk..
..kkkkkkkkkkkk..
................
................"""

FACTORY = """
................
..kk............
..kk............
..kk............
..kk...k...k....
.kggk.kgk.kgk...
.kggkkggkkggk...
.kggggggggggggk.
.kgwwgwwgwwgwgk.
.kgwwgwwgwwgwgk.
.kggggggggggggk.
.kgwwgkkkgwwggk.
.kgwwgkykgwwggk.
.kkkkkkkkkkkkkk.
................
................"""

PRINTER_ARROWS = """
..rrrr..........
.r....r.....rr..
r.....rr...r..r.
r....rrrr.....r.
.........rrrr..r
....kkkkkk.rr..r
....kwwwwk..r.r.
..kkkkkkkkkk.r..
.kwwwwwwwwwwwwk.
.k............k.
.k.........dd.k.
.kggggggggggggk.
.kkkkkkkkkkkkkk.
..kwwwwwwwwwwk..
..kkkkkkkkkkkk..
................"""

PRINTER_LAMP = """
................
................
....kkkkkkkk....
....kwwwwwwk....
....kwkkkkwk....
....kwwwwwwk....
..kkkkkkkkkkkk..
.kwwwwwwwwwwwwk.
.k............k.
.k.........GG.k.
.k.........dd.k.
.kggggggggggggk.
.kkkkkkkkkkkkkk.
..kwwwwwwwwwwk..
..kkkkkkkkkkkk..
................"""

CHIP = """
................
...w.w.w.w.w....
...g.g.g.g.g....
..kkkkkkkkkkk...
..kgggggggggk...
..kgkkkkkkkgk...
..kgkBBBBBkgk...
..kgkBcBcBkgk...
..kgkBBBBBkgk...
..kgkkkkkkkgk...
..kgggggggggk...
..kkkkkkkkkkk...
...g.g.g.g.g....
...w.w.w.w.w....
................
................"""

GEAR = """
................
......kkkk......
...kk.kggk.kk...
..kggkkggkkggk..
..kggggggggggk..
...kgggkkgggk...
.kkggkk..kkggkk.
.kgggk....kgggk.
.kgggk....kgggk.
.kkggkk..kkggkk.
...kgggkkgggk...
..kggggggggggk..
..kggkkggkkggk..
...kk.kggk.kk...
......kkkk......
................"""

DOCUMENT = """
................
.kkkkkkkk.......
.kwwwwwwkk......
.kwkkkkwkwk.....
.kwwwwwwkkkk....
.kwkkkkkkkwk....
.kwwwwwkkkkk....
.kwkkkkbcck.....
.kwwwwkcwcbk....
.kwkkkkcccbk....
.kwwwwwkbbk.....
.kwwwwwwkkkk....
.kkkkkkkk..kkk..
............kkk.
.............kk.
................"""


def rows(art):
    lines = [l for l in art.strip('\n').split('\n')]
    assert len(lines) == 16 and all(len(l) == 16 for l in lines), art
    return lines


def side_by_side(*arts):
    parts = [rows(a) for a in arts]
    return [''.join(p[i] for p in parts) for i in range(16)]


def scale2(lines):
    out = []
    for l in lines:
        wide = ''.join(c * 2 for c in l)
        out += [wide, wide]
    return out


def transparent(lines):
    return [l.replace('.', ' ') for l in lines]


def write(name, lines):
    used = sorted(set(''.join(lines)))
    h, w = len(lines), len(lines[0])
    with open(f'res/images/{name}.xpm', 'w') as f:
        f.write('/* XPM */\nstatic const char *%s[] = {\n' % name)
        f.write(f'"{w} {h} {len(used)} 1",\n')
        for c in used:
            f.write(f'"{c} c {PALETTE[c]}",\n')
        f.write(',\n'.join(f'"{l}"' for l in lines))
        f.write('\n};\n')


write('bmp160', rows(FOLDER))
write('bmp161', rows(FLOPPY))
write('bmp162', rows(PRINTER_PEN))
write('bmp163', rows(FACTORY))
write('bmp164', rows(PRINTER_ARROWS))
write('bmp165', rows(PRINTER_LAMP))
write('bmp166', rows(CHIP))
write('bmp167', rows(GEAR))
write('bmp150', side_by_side(FOLDER, FLOPPY, PRINTER_PEN, FACTORY, PRINTER_ARROWS))
write('bmp168', side_by_side(GEAR, CHIP, PRINTER_LAMP, DOCUMENT))
write('icon128_16', transparent(rows(PRINTER_LAMP)))
write('icon128', transparent(scale2(rows(PRINTER_LAMP))))
