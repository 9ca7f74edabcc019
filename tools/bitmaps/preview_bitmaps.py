#!/usr/bin/env python3
"""Enlarged PNG previews of the bitmaps and icons that make_bitmaps writes.

Usage: preview_bitmaps.py OUT_DIR PREVIEW_DIR [SCALE]

Reads every .bmp and .ico in OUT_DIR (uncompressed, 1 or 4 bits per pixel)
and writes PREVIEW_DIR/<name>.png, each pixel a SCALE x SCALE square (8 by
default) with a thin grid; transparent icon pixels show as a checkerboard.
"""
import pathlib
import struct
import sys
import zlib


def read_dib(data, offset, height_factor=1):
    size, width, height, _, bits, compression = struct.unpack_from("<IiiHHI", data, offset)
    if compression != 0 or bits not in (1, 4):
        raise ValueError("only uncompressed 1 or 4 bit images")
    colours = struct.unpack_from("<I", data, offset + 32)[0] or (1 << bits)
    palette = [tuple(data[offset + size + 4 * i + 2 - c] for c in range(3)) for i in range(colours)]
    height //= height_factor
    pos = offset + size + 4 * colours

    def rows(depth):
        nonlocal pos
        stride = (width * depth + 31) // 32 * 4
        out = []
        for _ in range(height):
            row = data[pos:pos + stride]
            per = 8 // depth
            out.append([(row[x // per] >> (8 - depth * (x % per + 1))) & ((1 << depth) - 1) for x in range(width)])
            pos += stride
        return out[::-1]

    pixels = [[palette[i] for i in row] for row in rows(bits)]
    if height_factor == 2:
        mask = rows(1)
        pixels = [[None if m else p for p, m in zip(prow, mrow)] for prow, mrow in zip(pixels, mask)]
    return pixels


def read_pictures(path):
    data = path.read_bytes()
    if path.suffix == ".bmp":
        return [(path.stem, read_dib(data, 14))]
    _, _, count = struct.unpack_from("<HHH", data, 0)
    pictures = []
    for i in range(count):
        width, _, _, _, _, _, _, offset = struct.unpack_from("<BBBBHHII", data, 6 + 16 * i)
        pictures.append((f"{path.stem}_{width or 256}", read_dib(data, offset, 2)))
    return pictures


def png(width, height, rows):
    def chunk(kind, body):
        return struct.pack(">I", len(body)) + kind + body + struct.pack(">I", zlib.crc32(kind + body))
    raw = b"".join(b"\0" + bytes(c for pixel in row for c in pixel) for row in rows)
    header = struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0)
    return b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(raw)) + chunk(b"IEND", b"")


def enlarge(pixels, scale):
    rows = []
    for y, row in enumerate(pixels):
        for sy in range(scale):
            out = []
            for x, pixel in enumerate(row):
                for sx in range(scale):
                    if scale >= 6 and (sx == 0 or sy == 0):
                        out.append((96, 96, 96))
                    elif pixel is None:
                        out.append((255, 255, 255) if ((sx * 2 // scale) + (sy * 2 // scale)) % 2 else (204, 204, 204))
                    else:
                        out.append(pixel)
            rows.append(out)
    return rows


def main():
    out_dir, preview_dir = pathlib.Path(sys.argv[1]), pathlib.Path(sys.argv[2])
    scale = int(sys.argv[3]) if len(sys.argv) > 3 else 8
    preview_dir.mkdir(parents=True, exist_ok=True)
    for path in sorted(out_dir.glob("*.bmp")) + sorted(out_dir.glob("*.ico")):
        for name, pixels in read_pictures(path):
            rows = enlarge(pixels, scale)
            (preview_dir / f"{name}.png").write_bytes(png(len(rows[0]), len(rows), rows))
            print(preview_dir / f"{name}.png")


if __name__ == "__main__":
    main()
