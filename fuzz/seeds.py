#!/usr/bin/env python3
"""Writes the seed inputs of the fuzz targets into a folder per target: formulas
and curves of the formula language's own examples, settings files of the
program's keys, and small bitmap files of every kind the loader reads. The
checked-in corpus is these seeds after libFuzzer's -merge=1 has minimised them."""
import os
import struct
import sys

out = sys.argv[1] if len(sys.argv) > 1 else "seeds"

def put(target, name, data):
    os.makedirs(os.path.join(out, target), exist_ok=True)
    with open(os.path.join(out, target, name), "wb") as f:
        f.write(data)

FORMULAS = [
    "x^2+1", "sin(cos(x))", "-sin(-cos(x))", "-sin(x)^2", "-x^2", "-2^2", "2^3^2", "(2^3)^2",
    "(-2)^2", "(-8)^(1/3)", "2^-1", "0^0", "3!+1", "3!-2", "(2+1)!", "(5/2)!", "0!", "a!",
    "5 div 2", "-5 div 2", "(11/2) div 2", "7 mod 3*2", "-5 mod 3", "6 and 3", "6 or 3",
    "6 xor 3", "1 + not 0", "2 * not x", "not (1/2)", "a and not b", "3 < 4", "3 >= 4", "x<=y",
    "x< =y", "a = 2*x", "pi=3", "[|x-3|]*2", "sin[|x|]", "sin[x]", "[|-2|]", "1e5", "2e-3",
    "2e+3", "2e", "2e - 3", "2e*3", "e5", "-e", "-pi*x", "1x", "2(x)", "x(2)", "sin x", "(x y",
    "x)", "(x", "[|x)", "x+$", "x;y", "x1_a", "_x", "xdivy", "x div y", "X+Q1", "SIN(X)",
    "arccot(0)", "ln(0)", "ln(-1)", "sgn(0)", "abs(x)*log(y)", "tan(x)/cotan(x)",
    "sec(x)+cosec(x)", "arcsin(x)+arccos(x)+arctan(x)+atn(x)+tg(x)", "x<>y", "x!=y", "x==y",
    "x=<y", "x ne y", "x eq y", "x gt y", "x ge y", "x lt y", "x le y", "1,5", "1.5", "3,5*x",
    "fact(3)", "x%y", "x\\y", "",
]

def engine():
    values = struct.pack("<ddd", 0.5, -2.0, 3.0)
    for i, f in enumerate(FORMULAS):
        other = FORMULAS[(i * 7 + 3) % len(FORMULAS)]
        sep = b"\x01" if "," in f else b"\x00"
        put("engine", "f%03d" % i, sep + f.encode() + b"\n" + other.encode() + b"\n" + values)

CURVES = [
    (0, "X", "sin(x)", "0", 0.1), (1, "X", "0", "x^2/10", 0.1), (2, "0", "Y", "cos(y)*y", 0.05),
    (3, "X", "sin(x)", "cos(x)", 0.1), (4, "2*sin(a)*cos(b)", "2*sin(a)*sin(b)", "2*cos(a)", 0.2),
    (5, "R*cos(a)", "R*sin(a)", "2*cos(3*a)", 0.01), (6, "cos(t)", "sin(t)", "t/4", 0.1),
    (0, "", "1/x", "", 0.1), (0, "", "ln(x)", "", 0.5), (5, "", "", "a", 1e-3),
    (3, "", "x!", "x div 0", 0.2), (0, "", "x", "", 2e-6), (7, "x", "x", "x", 0.1),
]

def curves():
    for i, (t, fx, fy, fz, step) in enumerate(CURVES):
        data = bytes([t + 1, 0]) + struct.pack("<d", step) + "\n".join([fx, fy, fz]).encode()
        put("curves", "c%02d" % i, data)

def cp(text):
    return text.encode("cp1254")

SETTINGS_FILES = [
    b"",
    cp("[Eksencikler]\nColor=8421504\nGorunurluk=0\n\n\n[XYDuzlemi]\nCizgiKalınlıgı=3\n\n\n"
       "[Eğri Gezgini]\nDockedTo=-4\n"),
    cp("; yorum\r\n[Ekran]\r\nArkapilanRengi=16777215\r\nPerspektif=1\r\nAnimInterval=10\r\n"),
    cp("[Window]\nMaximized=0\nLeft=234\nTop=109\nWidth=750\nHeight=629\n"
       "[Araç-Durum Çubukları]\nStandart=1\nGorontu=1\nDurum=1\n; son\n"),
    b"[a]\nb=1\nb=2\n[A]\nB=3\n",
    b"[Ekran]\nAnimInterval = 12x\nx==1\n[bad\n=5\n  key  =  7  \n",
]
SETTINGS_NAMES = [("Ekran", "AnimInterval"), ("XYDuzlemi", "CizgiKalınlıgı"), ("a", "b"),
                  ("Eğri Gezgini", "DockedTo"), ("Yeni", "Anahtar")]

def settings():
    n = 0
    for f in SETTINGS_FILES:
        for s, k in SETTINGS_NAMES:
            put("settings", "s%02d" % n, s.encode() + b"\n" + k.encode() + b"\n\x05" + f)
            n += 1

def bmp(width, height, bits, pixels, palette=b"", compression=0, info=40, masks=b""):
    offset = 14 + info + len(masks) + len(palette)
    if info == 12:
        head = struct.pack("<IHHHH", 12, width, height, 1, bits)
    else:
        head = struct.pack("<IiiHHIIiiII", info, width, height, 1, bits, compression,
                           len(pixels), 2835, 2835, len(palette) // 4, 0)
        head += b"\0" * (info - 40)
    file_head = b"BM" + struct.pack("<IHHI", offset + len(pixels), 0, 0, offset)
    return file_head + head + masks + palette + pixels

def rows(width, height, bits, value):
    row_bytes = (width * bits + 31) // 32 * 4
    data = b""
    for y in range(height):
        row = bytearray(row_bytes)
        for x in range(width * bits // 8):
            row[x] = value(x, y) & 255
        data += bytes(row)
    return data

def bitmaps():
    pal = b"".join(struct.pack("<BBBB", 60 * i, 255 - 60 * i, 30 * i, 0) for i in range(4))
    put("bitmap", "rgb24", bmp(4, 3, 24, rows(4, 3, 24, lambda x, y: x * 40 + y)))
    put("bitmap", "rgb32", bmp(3, 2, 32, rows(3, 2, 32, lambda x, y: x + y * 9)))
    put("bitmap", "topdown", bmp(3, -2, 24, rows(3, 2, 24, lambda x, y: x * 3)))
    put("bitmap", "pal8", bmp(5, 3, 8, rows(5, 3, 8, lambda x, y: (x + y) % 4), pal))
    put("bitmap", "pal4", bmp(6, 2, 4, rows(6, 2, 4, lambda x, y: 0x12), pal))
    put("bitmap", "mono", bmp(9, 2, 1, rows(9, 2, 1, lambda x, y: 0xA5), pal[:8]))
    rle8 = bytes([3, 1, 0, 3, 2, 3, 0, 0, 0, 2, 1, 0, 2, 2, 0, 1])  # runs, literal, delta
    put("bitmap", "rle8", bmp(6, 3, 8, rle8, pal, compression=1))
    rle4 = bytes([4, 0x12, 0, 0, 0, 3, 0x34, 0x50, 0, 1])
    put("bitmap", "rle4", bmp(4, 2, 4, rle4, pal, compression=2))
    masks = struct.pack("<III", 0xF800, 0x07E0, 0x001F)
    put("bitmap", "bitfields16", bmp(4, 2, 16, rows(4, 2, 16, lambda x, y: x * 17), b"", 3, 40, masks))
    put("bitmap", "rgb555", bmp(4, 2, 16, rows(4, 2, 16, lambda x, y: x * 5)))
    core_pal = b"".join(struct.pack("<BBB", 10 * i, 20 * i, 30 * i) for i in range(4))
    put("bitmap", "core", bmp(3, 2, 8, rows(3, 2, 8, lambda x, y: x), core_pal, info=12))
    put("bitmap", "v4", bmp(2, 2, 24, rows(2, 2, 24, lambda x, y: 200), info=108))
    put("bitmap", "v5", bmp(2, 2, 32, rows(2, 2, 32, lambda x, y: 100), info=124))

SCENES = [
    '{"format":"velmo-scene","version":1}',
    '{"format":"velmo-scene","version":1,"window":{"width":288,"height":245},'
    '"view":{"xAxisAngle":15,"yAxisAngle":30,"zoomPercent":100,"x0":144,"y0":122,'
    '"perspective":true,"fourView":false,"background":"#ffffff","animationInterval":10,'
    '"littleAxes":{"visible":true,"color":"#000000"},'
    '"planes":{"xy":{"visible":true,"color":"#808080","thickness":1},'
    '"xz":{"visible":false,"color":"#808080","thickness":1},'
    '"yz":{"visible":true,"color":"#ff0000","thickness":2}}},'
    '"currentCurve":1,"curves":['
    '{"type":0,"fx":"","fy":"sin(x)*2.5","fz":"","color":"#ff0000","style":0,"thickness":2,"step":0.05,"visible":true},'
    '{"type":5,"fx":"","fy":"","fz":"2*cos(3*a)","color":"#808000","style":1,"thickness":1,"step":0.01,"visible":false},'
    '{"type":4,"fx":"2*sin(a)*cos(b)","fy":"2*sin(a)*sin(b)","fz":"2*cos(a)","step":0.2}]}',
    '{"format":"velmo-scene","version":1,"later":{"x":1},"curves":[{"type":0,"fy":"x"},{"type":0,"fy":"x"},{"type":9}]}',
    '{"format":"velmo-scene","version":2}',
]

def scenes():
    for i, text in enumerate(SCENES):
        put("scene", "v%02d" % i, bytes([i & 1]) + text.encode())

engine()
scenes()
curves()
settings()
bitmaps()
