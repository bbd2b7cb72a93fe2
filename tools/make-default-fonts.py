#!/usr/bin/env python3
"""Writes res/fontSetting.dat: three 92-byte LOGFONTW records (organisation, name, title)."""
import struct
import sys

FW_BOLD, FW_NORMAL = 700, 400
GB2312_CHARSET, OUT_STROKE_PRECIS, CLIP_STROKE_PRECIS, DRAFT_QUALITY = 134, 3, 2, 1


def logfont(height, weight, face):
    name = face.encode("utf-16-le")[:62]
    name += b"\0" * (64 - len(name))
    return struct.pack("<iiiii8B", -height, 0, 0, 0, weight, 0, 0, 0, GB2312_CHARSET,
                       OUT_STROKE_PRECIS, CLIP_STROKE_PRECIS, DRAFT_QUALITY, 2) + name


rows = [logfont(56, FW_BOLD, "宋体"), logfont(120, FW_BOLD, "宋体"), logfont(56, FW_NORMAL, "宋体")]
data = b"".join(rows)
assert len(data) == 276
with open(sys.argv[1] if len(sys.argv) > 1 else "res/fontSetting.dat", "wb") as f:
    f.write(data)
