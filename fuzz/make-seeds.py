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


# "settings.dat": archive strings
def wide(text, prefix=None):
    units = text.encode('utf-16-le')
    n = len(units) // 2
    if prefix is None:
        prefix = struct.pack('<B', n) if n < 0xFF else b'\xff' + struct.pack('<H', n)
    return b'\xff\xfe\xff' + prefix + units


def narrow(raw):
    return struct.pack('<B', len(raw)) + raw


mac = '00-1A-2B-3C-4D-5E-'
seed('settingsfile', 'settings.dat', wide(mac) + wide('192.168.1.20'))
seed('settingsfile', 'no-fixed-ip.dat', wide(mac) + wide(''))
seed('settingsfile', 'narrow.dat', narrow(mac.encode()) + narrow('网卡'.encode('gbk')))
seed('settingsfile', 'long-lengths.dat',
     wide(mac, b'\xff' + struct.pack('<H', len(mac))) +
     wide('10.0.0.1', b'\xff\xff\xff' + struct.pack('<I', 8)) +
     b'\xff\xff\xff\xff\xff' + struct.pack('<Q', 3) + b'abc')
seed('settingsfile', 'cut-short.dat', (wide(mac) + wide('192.168.1.20'))[:30])
seed('settingsfile', 'empty.dat', b'')


# Datagrams as the datagrams target reads them: per datagram a byte with the sender (0 is the
# host itself, 1-3 plates) and the length in two bytes; 0x80 awaits an ID answer.
def datagram(sender, body):
    return bytes([sender]) + struct.pack('<H', len(body)) + body


seed('datagrams', 'answers',
     datagram(1, struct.pack('<i', 7)) + datagram(2, struct.pack('<i', 7)) +
     datagram(3, struct.pack('<i', 9999)) + datagram(1, struct.pack('<i', 10000)))
seed('datagrams', 'short-and-host',
     datagram(1, b'\x05') + datagram(2, b'\x05\x00') + datagram(0, struct.pack('<i', 3)) +
     datagram(3, b''))
seed('datagrams', 'commands',
     datagram(2, b'hello') + datagram(3, b'0001id') + datagram(1, b'000def') +
     datagram(2, b'connectpic12345'))
seed('datagrams', 'id-change',
     bytes([0x80, 2]) + struct.pack('<H', 42) + datagram(1, struct.pack('<i', 5)) +
     datagram(2, struct.pack('<i', 41)) + bytes([0x80, 3]) + struct.pack('<H', 7) +
     datagram(3, struct.pack('<i', 7)))
seed('datagrams', 'sizes', datagram(1, b'\x01' * 1023) + datagram(2, b'\x02' * 1024))

# Name lists in the other formats: the test fixtures written by openpyxl, Excel::Writer::XLSX,
# odfpy and by hand, and a few hostile ones.
import shutil  # noqa: E402
import subprocess  # noqa: E402
import tempfile  # noqa: E402

with tempfile.TemporaryDirectory() as tmp:
    fixtures = os.path.join(here, '..', 'tests', 'namelist', 'fixtures')
    subprocess.run(['/usr/bin/python3', os.path.join(fixtures, 'sheet_fixtures.py'), tmp], check=True)
    subprocess.run(['perl', os.path.join(fixtures, 'writexlsx_fixtures.pl'), tmp], check=True)
    for target, names in {
        'xlsx': ['same.xlsx', 'openpyxl.xlsx', 'openpyxl_1904.xlsx', 'writexlsx.xlsx'],
        'ods': ['same.ods', 'odfpy.ods'],
        'csv': ['same.csv', 'utf8.csv', 'utf8bom.csv', 'utf16le.txt', 'utf16be.csv', 'gbk.csv',
                'semicolon.csv', 'tab.txt', 'blank_lines.csv'],
    }.items():
        for name in names:
            with open(os.path.join(tmp, name), 'rb') as f:
                seed(target, name, f.read())
seed('csv', 'quotes', b'ID,a,b,c\n1,"x,""y""\r\nz",w\n"2",a"b,"c"d,\n3,"open\n')

# Meetings: the hand-written meeting files of the tests and their JSON alone.
subprocess.run(['/usr/bin/python3',
                os.path.join(here, '..', 'tests', 'meeting', 'fixtures', 'make_meetings.py'),
                os.path.join(here, 'corpus', 'meeting'), os.path.join(res, 'red.jpg')], check=True)
