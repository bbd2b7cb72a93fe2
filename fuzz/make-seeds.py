#!/usr/bin/env python3
"""Writes the seed corpora under fuzz/corpus/ from the real files in res/ and a few odd cases.

The fuzzers add what they find to their own corpus in the build folder, never here; inputs that
once broke a target are kept here by hand (named regress-*) so that every run starts from them.
"""
import os
import struct

here = os.path.dirname(os.path.abspath(__file__))
res = os.path.join(here, '..', 'res')


def seed(target, name, data):
    folder = os.path.join(here, 'corpus', target)
    os.makedirs(folder, exist_ok=True)
    with open(os.path.join(folder, name), 'wb') as f:
        f.write(data)


def read(name):
    with open(os.path.join(res, name), 'rb') as f:
        return f.read()


# "Settings.ini"
ini = read('Settings.ini')
seed('profile', 'settings-crlf.ini', ini)
seed('profile', 'settings-lf.ini', ini.replace(b'\r\n', b'\n'))
seed('profile', 'empty.ini', b'')
seed('profile', 'odd.ini',
     b'; written by hand\r\n [ row0 ] \r\n  COLOR_R =  "300" \r\ncolor_g=-1\r\nno equals sign\r\n'
     b'color_b=12abc\r\n\r\n[Row0]\r\nalign_h=2\r\n[Resolution\r\nH=\r\nV=   +480\r\n'
     b'[BackColor]\r\nbackColor_r=\'7\'\r\nbackColor_g=0x10')
seed('profile', 'bom-and-gbk.ini',
     b'\xef\xbb\xbf[Row1]\nindent_l=-20\n\xb5\xa5\xce\xbb=\xc3\xfb\xd7\xd6\n[Row2]\rcolor_r=1\n')
seed('profile', 'no-sections.ini', b'H=800\nV=480\n=\n[\n]\n')

# "fontSetting.dat": 92-byte records
dat = read('fontSetting.dat')
seed('fontfile', 'fontSetting.dat', dat)
seed('fontfile', 'one-record.dat', dat[:92])
seed('fontfile', 'cut-short.dat', dat[:200])
seed('fontfile', 'empty.dat', b'')
seed('fontfile', 'longer.dat', dat + b'\x11' * 10)


def record(height, width, weight, italic, underline, strike, face):
    units = face.encode('utf-16-le')[:64]
    return (struct.pack('<5i8B', height, width, 0, 0, weight, italic, underline, strike, 0x86,
                        3, 2, 1, 0x31) + units + b'\0' * (64 - len(units)))


seed('fontfile', 'cell-heights.dat',
     record(60, 20, 700, 1, 1, 1, '黑体') + record(1, 1, 1000, 0, 0, 0, 'Noto Sans CJK SC') +
     record(-1, 500, -5, 0, 0, 0, 'No Such Face'))
seed('fontfile', 'face-without-end.dat', record(-40, 0, 400, 0, 0, 0, 'F' * 32) * 3)

# Address cells
for name, text in [('address', '192.168.1.100'), ('mask', '255.255.255.0'), ('empty', ''),
                   ('two-dots', '192.168.1'), ('four-dots', '1.2.3.4.5'),
                   ('blanks-signs', ' 7.+8.-9.x'), ('too-large', '1000.0.0.1'),
                   ('huge', '99999999999999.-99.-100.\t1'), ('chinese', '１９２.168.一.1')]:
    seed('addressdigits', name + '.txt', text.encode('utf-8'))
seed('addressdigits', 'utf16.txt', '10.0.0.1'.encode('utf-16-le'))
