#!/usr/bin/env python3
"""Writes three pairs of radio data files for the golden difference listings,
each B file its A file with a few edits made byte by byte from the layout:
  channels: ../golden/three_channels.rdf, and a frequency, a name, a move, a
            bank member, a comment and a new memory changed;
  settings: base.rdf (ostrel-cli new), and set-mode menu, DTMF, CW ID, a Hyper
            Memory setting, a Home band field and a reserved byte changed;
  hyper:    ../golden/three_channels.rdf, and a memory removed, a scan limit
            added, a scan value, a bank link and an identifier byte changed.
The expected listings (*.expected) were written by hand beside them."""
import os

HERE = os.path.dirname(os.path.abspath(__file__))
IMAGE = 424
COMMENTS = 32005
CHARSET = '0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ !"\\$#%\'()*+,-;/|:<=>?@[&]^_'


def load(path):
    return bytearray(open(os.path.join(HERE, path), 'rb').read())


def save(data, name):
    open(os.path.join(HERE, name), 'wb').write(data)


def bcd(hz):
    n, frac = divmod(hz, 10000)
    digits = '%05d' % n
    code = {0: 0, 2500: 0x40, 5000: 0x80, 7500: 0xC0}[frac]
    return bytes([code | int(digits[0]), int(digits[1]) << 4 | int(digits[2]), int(digits[3]) << 4 | int(digits[4])])


def record_at(i):
    return IMAGE + 1224 + 16 * i


def name_at(i):
    return IMAGE + 18824 + 8 * i


def set_rx_tx(data, i, hz):
    at = record_at(i)
    data[at + 1:at + 4] = bcd(hz)
    data[at + 5:at + 8] = bcd(hz)


def move(data, src, dst):
    data[record_at(dst):record_at(dst) + 16] = data[record_at(src):record_at(src) + 16]
    data[name_at(dst):name_at(dst) + 8] = data[name_at(src):name_at(src) + 8]
    data[record_at(src)] &= 0x7F


def bank(data, b, i):
    data[IMAGE + 27720 + 128 * b + i // 8] |= 0x80 >> (i % 8)


def comment(data, i, text):
    at = COMMENTS + 32 * i
    data[at:at + 32] = bytes(32)
    data[at:at + len(text)] = text.encode('latin-1')


def channels():
    a = load('../golden/three_channels.rdf')
    b = bytearray(a)
    set_rx_tx(b, 499, 146940000)           # Memory 500: 146.52 -> 146.94
    b[name_at(0) + 7] = 0                  # Memory 1: name dropped
    b[name_at(0):name_at(0) + 6] = bytes(6)
    move(b, 1, 39)                         # Memory 2 -> Memory 40
    bank(b, 2, 0)                          # Bank 3 takes Memory 1
    comment(b, 0, 'Club net 2')
    b[record_at(40):record_at(40) + 16] = b[record_at(0):record_at(0) + 16]
    set_rx_tx(b, 40, 147000000)            # Memory 41: new, 147.000
    save(a, 'channels.a.rdf')
    save(b, 'channels.b.rdf')


def settings():
    a = load('base.rdf')
    dtmf5 = IMAGE + 200 + 4 * 16
    a[dtmf5:dtmf5 + 3] = bytes([1, 2, 3])  # DTMF 5: 123
    b = bytearray(a)
    b[IMAGE + 60] = (b[IMAGE + 60] & 0x1F) | 0x60  # Lock: Key + Dial
    b[dtmf5 + 3] = 4                               # DTMF 5: 1234
    b[IMAGE + 578:IMAGE + 582] = bytes(CHARSET.index(c) for c in 'K1AB')  # CW ID
    hyper2 = IMAGE + 584 + 128
    b[hyper2 + 112 + 5] = 3                        # Hyper Memory 2: VFO 430 MHz
    home430 = IMAGE + 456 + 3 * 16
    b[home430 + 4] = (b[home430 + 4] & 0x8F) | 0x50  # Home 430: step 25 kHz
    b[IMAGE + 540] = 0x5A                          # a reserved byte
    save(a, 'settings.a.rdf')
    save(b, 'settings.b.rdf')


def hyper():
    a = load('../golden/three_channels.rdf')
    b = bytearray(a)
    b[record_at(499)] &= 0x7F                      # Memory 500 removed
    b[record_at(1000):record_at(1000) + 16] = b[record_at(0):record_at(0) + 16]
    set_rx_tx(b, 1000, 145000000)                  # L1: 145.000
    b[IMAGE + 30280 + 2 * 256] |= 0x40             # Hyper Memory 3: Memory 1 Skip
    b[IMAGE + 584 + 128 + 86 + 2] |= 0x08          # a link bit past bank 20
    b[IMAGE + 584 + 128 + 86] |= 0x80              # Hyper Memory 2: Bank 1 linked
    b[IMAGE + 3] ^= 0x01                           # identifier
    save(a, 'hyper.a.rdf')
    save(b, 'hyper.b.rdf')


channels()
settings()
hyper()
