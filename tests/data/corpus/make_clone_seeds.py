#!/usr/bin/env python3
"""Writes the seed inputs of clone_read_fuzz and clone_write_fuzz: what a radio
sends during a clean transfer and during each fault, in the chunk encoding of
fuzz/fuzz_port.h (a control byte with the chunk's length in its low 6 bits,
0xFF for a cut line, then the bytes)."""
import os
import random

HERE = os.path.dirname(os.path.abspath(__file__))
STREAM, HEADER, BLOCK = 31561, 8, 64
ACK, REFUSAL = 0x06, 0x15

def stream(seed=7):
    rng = random.Random(seed)
    body = bytearray([0x41]) + bytearray(rng.randrange(256) for _ in range(STREAM - 2))
    return bytes(body + bytes([sum(body) & 0xFF]))

def blocks(data):
    """The header, the 64-byte blocks and the checksum byte."""
    out = [data[:HEADER]]
    at = HEADER
    while at < STREAM - 1:
        out.append(data[at:min(at + BLOCK, STREAM - 1)])
        at += BLOCK
    out.append(data[STREAM - 1:])
    return out

def chunks(data, size=63):
    out = bytearray()
    for at in range(0, len(data), size):
        part = data[at:at + size]
        out += bytes([len(part)]) + part
    return bytes(out)

def read_input(garbage=False, bad_checksum=False, cut_after=None, silent_after=None):
    """The radio sends a block and waits for the program's 0x06, whose echo
    comes back before the next block."""
    data = bytearray(stream())
    if bad_checksum:
        data[-1] ^= 0x5A
    out = bytearray(chunks(b'\x00\x13\x7f') if garbage else b'')
    echo = b''
    for n, block in enumerate(blocks(bytes(data))):
        out += chunks(echo + block)
        echo = bytes([ACK])
        if n == cut_after:
            return bytes(out + b'\xff')
        if n == silent_after:
            return bytes(out)
    return bytes(out + chunks(echo))

def write_input(refuse_header=False, refuse_block=None, silent_after=None, cut_after=None, garbage=False):
    """The echo of each block the program sends, then the radio's answer."""
    data = stream(9)
    out = bytearray()
    if garbage:
        out += chunks(b'\x00\x13')
    for n, block in enumerate(blocks(data)):
        if n == len(blocks(data)) - 1:
            out += chunks(block)  # the checksum is echoed and not answered
            break
        answer = ACK
        if (n == 0 and refuse_header) or n == refuse_block:
            answer = REFUSAL
        if n == silent_after:
            return bytes(out + chunks(block))
        if n == cut_after:
            return bytes(out + chunks(block) + b'\xff')
        out += chunks(block + bytes([answer]))
    return bytes(out)

def write(folder, name, data):
    with open(os.path.join(HERE, folder, name), 'wb') as f:
        f.write(data)

write('clone_read_fuzz', 'clean', read_input())
write('clone_read_fuzz', 'garbage_first', read_input(garbage=True))
write('clone_read_fuzz', 'bad_checksum', read_input(bad_checksum=True))
write('clone_read_fuzz', 'cut_after_block_10', read_input(cut_after=10))
write('clone_read_fuzz', 'silent_after_block_3', read_input(silent_after=3))
write('clone_read_fuzz', 'silent_from_start', b'')
write('clone_write_fuzz', 'clean', write_input())
write('clone_write_fuzz', 'garbage_first', write_input(garbage=True))
write('clone_write_fuzz', 'header_refused', write_input(refuse_header=True))
write('clone_write_fuzz', 'block_7_refused', write_input(refuse_block=7))
write('clone_write_fuzz', 'silent_after_block_4', write_input(silent_after=4))
write('clone_write_fuzz', 'cut_after_block_2', write_input(cut_after=2))
write('clone_write_fuzz', 'never_answers', b'')
