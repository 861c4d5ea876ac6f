#!/usr/bin/env python3
"""Writes the fuzz targets' starting inputs: small, valid files of every form each reader
knows, so that the fuzzer starts from the inside of each format. Run from anywhere; the
files land beside this script, one folder per target."""
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))


def put(target, name, data):
    folder = os.path.join(HERE, target)
    os.makedirs(folder, exist_ok=True)
    if isinstance(data, str):
        data = data.encode("utf-8")
    with open(os.path.join(folder, name), "wb") as f:
        f.write(data)


def row_pad(b):
    return b + b"\0" * ((4 - len(b) % 4) % 4)


def bmp(width, height, bits, rows, palette=b"", header=40, masks=b"", compression=0, top_down=False):
    pixels = b"".join(row_pad(r) for r in rows)
    if header == 12:
        info = struct.pack("<IHHHH", 12, width, height, 1, bits)
    else:
        info = struct.pack("<IiiHHIIiiII", header, width, -height if top_down else height, 1, bits,
                           compression, len(pixels), 2835, 2835, len(palette) // (3 if header == 12 else 4), 0)
        info += masks
        info += b"\0" * (header - len(info))
    offset = 14 + len(info) + len(palette)
    return b"BM" + struct.pack("<IHHI", offset + len(pixels), 0, 0, offset) + info + palette + pixels


def bmp_seeds():
    w, h = 3, 2
    put("bmp", "32bit.bmp", bmp(w, h, 32, [bytes([10, 20, 30, 255, 0, 0, 255, 128, 1, 2, 3, 0])] * h))
    put("bmp", "32bit_noalpha.bmp", bmp(w, h, 32, [bytes(12)] * h))
    put("bmp", "24bit_topdown.bmp", bmp(w, h, 24, [bytes(range(9))] * h, top_down=True))
    put("bmp", "8bit.bmp", bmp(w, h, 8, [bytes([0, 1, 2])] * h, palette=bytes([0, 0, 0, 0, 255, 0, 0, 0, 0, 255, 0, 0])))
    put("bmp", "4bit.bmp", bmp(w, h, 4, [bytes([0x01, 0x20])] * h, palette=bytes([0, 0, 0, 0, 9, 9, 9, 0, 200, 1, 2, 0])))
    put("bmp", "1bit.bmp", bmp(9, h, 1, [bytes([0xA5, 0x80])] * h, palette=bytes([0, 0, 0, 0, 255, 255, 255, 0])))
    put("bmp", "core_8bit.bmp", bmp(w, h, 8, [bytes([0, 1, 1])] * h, palette=bytes([0, 0, 0, 9, 8, 7]), header=12))
    put("bmp", "16bit_565.bmp", bmp(w, h, 16, [bytes(range(6))] * h, header=56, compression=3,
                                     masks=struct.pack("<IIII", 0xF800, 0x07E0, 0x001F, 0)))
    put("bmp", "32bit_fields_v5.bmp", bmp(w, h, 32, [bytes(range(12))] * h, header=124, compression=3,
                                           masks=struct.pack("<IIII", 0xFF0000, 0xFF00, 0xFF, 0xFF000000)))
    put("bmp", "16bit_555.bmp", bmp(w, h, 16, [bytes(range(6))] * h, header=108))


def ico_image(size, bits, palette=b""):
    colour = row_pad(bytes((size * bits + 7) // 8)) * size
    mask = row_pad(bytes((size + 7) // 8)) * size
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, bits, 0, 0, 0, 0, len(palette) // 4, 0)
    return header + palette + colour + mask


def ico(images):
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    body = b""
    for size, bits, data in images:
        out += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, bits, len(data), offset + len(body))
        body += data
    return out + body


def ico_seeds():
    # The first byte picks the size asked for (see ico_fuzz.cpp).
    put("ico", "32bit_16.ico", b"\0" + ico([(16, 32, ico_image(16, 32))]))
    put("ico", "8bit_and_32bit.ico", b"\3" + ico([(16, 8, ico_image(16, 8, bytes(1024))), (32, 32, ico_image(32, 32))]))
    put("ico", "4bit_scaled.ico", b"\4" + ico([(16, 4, ico_image(16, 4, bytes(64)))]))
    put("ico", "1bit.ico", b"\1" + ico([(32, 1, ico_image(32, 1, bytes([0, 0, 0, 0, 255, 255, 255, 0])))]))
    put("ico", "24bit.ico", b"\2" + ico([(24, 24, ico_image(24, 24))]))


def text_seeds():
    put("ini", "sections.ini", "\0[Misc]\r\nDataAccess=all\r\nKey = spaced value \r\n\r\n[misc]\r\nkey=later\r\n")
    put("ini", "unkeyed.ini", "\1; comment\n[A]\nno key here\n=empty key\nx=1\r[B]\r\n[ B ]\ny==2\n")
    put("ini", "repeated.ini", "\3[Options]\r\nHotKey=Ctrl+Alt+P\r\n[Other]\r\na=b\r\n[OPTIONS]\r\nhotkey=Win+Q\r\n")
    put("ini", "bom.ini", b"\2\xEF\xBB\xBF[Placement]\r\nLeft=10\r\nTop=20\r\n")

    meta = ("[MetaData]\r\nLingua_ID=de\r\nLingua_Desc=Deutsch\r\nAuthor_Name=Tester\r\nAuthor_Email=t@example.org\r\n"
            "Document_LastUpdateDate=2026-12-10 10:00:00\r\nDocument_LastUpdateVersion=1.7.9\r\n\r\n")
    put("language_file", "metadata.ini", meta + "[TFormFront]\r\nCaption=Verkn\u00fcpfungen\r\n")
    put("language_file", "escapes.ini", b"\xEF\xBB\xBF" + (meta + "[Messages]\r\nText=Zeile<NL>zwei &amp; &lt;b&gt;<#9>\r\n"
                                                           "Lead=<#32>blank\r\nNul=a<#0>b<#13><#10>\r\n").encode())
    put("language_file", "broken_utf8.ini", b"[Texts]\r\nBad=\xC3\x28\xE2\x82\r\nKeys__Template=x\r\nKeys__Value=y\r\n")
    put("language_file", "plain_text.txt", "Line one\r\nline two\ttab \u20ac")

    put("encoding", "utf8.txt", "Gr\u00fc\u00dfe \u20ac \U0001F600 \u0645\u0631\u062d\u0628\u0627")
    put("encoding", "cp1252.txt", bytes(range(0x80, 0x100)))
    put("encoding", "invalid.txt", b"\xC0\xAF \xED\xA0\x80 \xF4\x90\x80\x80 \xE2\x82 \xFF")
    put("encoding", "utf16_surrogates.txt", "\ud83d\ude00\ud800x\udc00".encode("utf-16-le", "surrogatepass"))
    put("encoding", "bom.txt", b"\xEF\xBB\xBFtext")

    root = ("^Folder|A\r\n^NorSep|\r\n^SpeSep|MyTools\r\n^ExeLnk|C:\\a\\b.exe||b.bmp|B||\r\n"
            "^ExeLnk|C:\\x\\go.bat|-v -q|bat|Go|C:\\work|*WindowMax*UserRunAs\r\n"
            "^ExeLnk|tools\\t.exe|p|t.bmp|Relative|w|*WindowHid\r\n^UnkLnk|C:\\docs||Docs|*WindowMax\r\n"
            "^UnkLnk|C:\\docs\\r.txt|txt|Readme|\r\n^UnkLnk|C:\\v\\clip.lnk|lnk|Clip|*WindowMin\r\n")
    level_a = "^UnkLnk|D:\\g\\p.pdf|pdf|Manual|\r\n^Folder|B\r\n"
    level_b = "^ExeLnk|D:\\g\\run.cmd||cmd|Run||\r\n"
    put("store", "three_levels.txt", root + "\0" + level_a + "\0" + level_b)
    put("store", "one_level.txt", "^ExeLnk|x.exe|||X||*UserRunAs*WindowMin\r\n^NorSep\r\n^norsep|\r\n ^NorSep|\r\n"
                                  "^UnkLnk\r\n^ExeLnk|short\r\n^UnkLnk|C:\\docs||Caf\u00e9 \u20ac|\r\n")


if __name__ == "__main__":
    bmp_seeds()
    ico_seeds()
    text_seeds()
