#!/usr/bin/env python3
"""Writes three_channels.rdf byte by byte from the radio data file layout:
memories 1, 2 and 500 in use, one name, two bank members, two comments.
Its export (Memories sheet) is three_channels.csv beside it, written by hand."""
import struct

HEADER, IMAGE, RESERVED, SLOTS = 424, 31561, 20, 1100
data = bytearray(HEADER + IMAGE + RESERVED + SLOTS * 32)

struct.pack_into('<I4sII', data, 0, 0x00464452, b'6310', 2, 67205)
data[16:16 + 12] = b'Yaesu Ostrel'
struct.pack_into('<HHII', data, 56, 1000, 32, 32005, 424)
data[168:168 + 7] = b'NewFile'

image = HEADER
data[image:image + 8] = b'AH016$Q$'

def bcd(hz):
    n, frac = divmod(hz, 10000)
    digits = '%05d' % n
    code = {0: 0, 2500: 0x40, 5000: 0x80, 7500: 0xC0}[frac]
    return bytes([code | int(digits[0]), int(digits[1]) << 4 | int(digits[2]), int(digits[3]) << 4 | int(digits[4])])

def record(i, rx, tx, narrow, mode, direction, clock, step, tone, power, ctcss, dcs, offset_units):
    at = image + 1224 + 16 * i
    data[at] = 0x80 | narrow << 5 | mode << 4 | direction
    data[at + 1:at + 4] = bcd(rx)
    data[at + 4] = clock << 7 | step << 4 | tone
    data[at + 5:at + 8] = bcd(tx)
    data[at + 8] = power << 6 | ctcss
    data[at + 9] = dcs
    data[at + 11:at + 13] = struct.pack('>H', offset_units)

CHARSET = '0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ !"\\$#%\'()*+,-;/|:<=>?@[&]^_'
def name(i, text, show):
    at = image + 18824 + 8 * i
    codes = [CHARSET.index(c) for c in text.ljust(6)]
    data[at:at + 6] = bytes(codes)
    data[at + 6] = 0x80 if show else 0
    data[at + 7] = 0x80 if text else 0

def bank(b, i):
    data[image + 27720 + 128 * b + i // 8] |= 0x80 >> (i % 8)

def comment(i, text):
    at = 32005 + 32 * i
    data[at:at + len(text)] = text.encode('latin-1')

# Memory 1: 145.500 MHz simplex, FM, Enc 88.5, step 25 kHz, High, 600 kHz, "CLUB" shown, bank 1.
record(0, 145500000, 145500000, 0, 0, 0, 0, 5, 1, 0, 8, 0, 12)
name(0, 'CLUB', True)
bank(0, 0)
comment(0, 'Club net')
# Memory 2: 439.000 MHz minus 5 MHz, AM, narrow, DCS 754, step 12.5 kHz, Low.
record(1, 439000000, 434000000, 1, 1, 2, 0, 2, 0, 3, 12, 103, 100)
# Memory 500: 146.520 MHz simplex, clock shift, Enc-Dec 254.1, step 5 kHz, Mid1, bank 20.
record(499, 146520000, 146520000, 0, 0, 0, 1, 0, 2, 1, 49, 0, 12)
bank(19, 499)
comment(499, 'Say "hi", all')

open('three_channels.rdf', 'wb').write(data)
