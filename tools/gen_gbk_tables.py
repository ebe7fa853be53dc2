#!/usr/bin/env python3
"""Derives the tables of the system's text codec from Debian's public charmaps.

The codec is GBK as Windows' code page 936 maps it, and every character that
code page lacks as a GB18030 four-byte sequence. Inputs: the GBK and GB18030
charmaps of glibc (package locales, /usr/share/i18n/charmaps). Output: a
header of three tables, each read by a plain index:

  kTwoByteToUtf16   (lead - 0x81) * 191 + (trail - 0x40); trail 0x7F is no
                    trail byte and holds 0
  kFourByteToUtf16  GB18030's linear index of a four-byte sequence of the
                    basic plane area 0x81308130..0x8431A439
  kUtf16ToGbk       a basic-plane code point's bytes, big-endian in one
                    number: below 0x100 one byte, below 0x10000 two, else
                    four; 0 for surrogates

Facts of code page 936 that the charmaps alone do not say (checked against
Microsoft's published cp936 table, and against Wine's code page 936):
  - 0x80 is the euro sign U+20AC, a single byte; GB18030 has it at A2E3,
    where cp936 keeps the private-use code point U+E76C.
  - 0xFF is no character (Windows' best-fit table maps it to U+F8F5 one way
    only; MultiByteToWideChar with MB_ERR_INVALID_CHARS rejects it).
  - Every two-byte position is a character: the user-defined areas
    (AAA1-AFFE, F8A1-FEFE, A140-A7A0) and the other unassigned positions
    map to private-use code points, the same ones GB18030 gives them.
  - Where GB18030 later put standard characters into the two-byte area
    (A6D9.., A8BC, A8BF, A989-A995, FE50-FEA0), cp936 keeps the private-use
    code points. Those standard characters travel as four-byte sequences:
    their own, where GB18030 has one, else the one GB18030 gives the
    private-use code point that cp936 keeps in their place (as GB18030-2000
    did for U+1E3F at 0x8135F437).
"""
import gzip
import re
import sys

FOUR_BYTE_BMP_COUNT = 39420  # 0x81308130..0x8431A439
TWO_BYTE_POSITIONS = 126 * 190
CP936_ONLY = {b'\xa2\xe3': 0xE76C}

ENTRY = re.compile(r'^(%\s*)?<U([0-9A-F]{4,8})>\s+((?:/x[0-9a-f]{2})+)\s')


def read_charmap(path):
    """Returns (bytes, code point, commented) for each single entry of the CHARMAP section.

    Commented entries are kept: in the GBK charmap they are the private-use
    characters Microsoft added to cp936, in the GB18030 one the private-use
    code points glibc gave up for standard characters. Ranges (<U..>..<U..>)
    are skipped; they hold only supplementary planes, which follow a formula.
    """
    entries = []
    with gzip.open(path, 'rt', encoding='ascii') as charmap:
        lines = iter(charmap)
        for line in lines:
            if line.startswith('<escape_char>') and line.split()[1] != '/':
                sys.exit(f'{path}: unexpected escape character')
            if line.startswith('CHARMAP'):
                break
        for line in lines:
            if line.startswith('END CHARMAP'):
                break
            match = ENTRY.match(line)
            if match:
                data = bytes.fromhex(match.group(3).replace('/x', ''))
                entries.append((data, int(match.group(2), 16), match.group(1) is not None))
    return entries


def is_private_use(code_point):
    return 0xE000 <= code_point <= 0xF8FF


def linear_index(data):
    return (((data[0] - 0x81) * 10 + (data[1] - 0x30)) * 126 + (data[2] - 0x81)) * 10 + (data[3] - 0x30)


def four_bytes(index):
    return bytes([0x81 + index // 12600, 0x30 + index // 1260 % 10, 0x81 + index // 10 % 126, 0x30 + index % 10])


def check(condition, message):
    if not condition:
        sys.exit('gen_gbk_tables.py: ' + message)


def cp936_table(gbk, gb18030):
    """Byte sequence -> code point for code page 936: ASCII, 0x80 and all two-byte positions."""
    table = {data: code_point for data, code_point, _ in gbk}
    for data, code_point, _ in gb18030:
        if len(data) == 2 and data not in table and is_private_use(code_point):
            table[data] = code_point
    table.update(CP936_ONLY)
    check(len(table) == 128 + 1 + TWO_BYTE_POSITIONS, f'cp936 has {len(table)} entries')
    check(len(set(table.values())) == len(table), 'cp936 maps two sequences to one character')
    return table


def four_byte_bmp(gb18030):
    """GB18030's linear mapping of the four-byte area of the basic plane, index -> code point.

    glibc moved U+9FB4..9FBB and U+FE10..FE19 into the two-byte area and left
    their four-byte codes out; each hole lies inside one linear range, so it
    is filled from its neighbours.
    """
    mapping = {}
    for data, code_point, commented in gb18030:
        if len(data) == 4 and not commented and linear_index(data) < FOUR_BYTE_BMP_COUNT:
            mapping[linear_index(data)] = code_point
    known = sorted(mapping)
    for index in range(FOUR_BYTE_BMP_COUNT):
        if index in mapping:
            continue
        below = max(i for i in known if i < index)
        above = min(i for i in known if i > index)
        check(mapping[below] - below == mapping[above] - above, f'four-byte index {index} lies between two ranges')
        mapping[index] = mapping[below] + index - below
    check(len(set(mapping.values())) == FOUR_BYTE_BMP_COUNT, 'four-byte area maps two codes to one character')
    return mapping


def build(gbk, gb18030):
    cp936 = cp936_table(gbk, gb18030)
    four = four_byte_bmp(gb18030)
    encode = {code_point: data for data, code_point in cp936.items()}
    four_of = {code_point: index for index, code_point in four.items()}
    decode_four = dict(four)
    for data, code_point, commented in gb18030:
        if len(data) != 2 or commented or code_point in encode or code_point > 0xFFFF:
            continue
        if code_point not in four_of:
            # The cp936 character in its place gives up its four-byte code.
            index = four_of[cp936[data]]
            decode_four[index] = code_point
            four_of[code_point] = index
    for code_point, index in four_of.items():
        encode.setdefault(code_point, four_bytes(index))
    for code_point in range(0x80, 0x10000):
        if not 0xD800 <= code_point <= 0xDFFF:
            check(code_point in encode, f'U+{code_point:04X} has no encoding')
    check(len(set(encode.values())) == len(encode), 'two characters share an encoding')
    return cp936, decode_four, encode


def table_lines(name, element, values):
    lines = [f'inline constexpr {element} {name}[{len(values)}] = {{']
    for start in range(0, len(values), 16):
        lines.append('    ' + ', '.join(str(v) for v in values[start:start + 16]) + ',')
    lines.append('};')
    return lines


def main(gbk_path, gb18030_path, header_path):
    cp936, decode_four, encode = build(read_charmap(gbk_path), read_charmap(gb18030_path))
    two_byte = [0] * (126 * 191)
    for data, code_point in cp936.items():
        if len(data) == 2:
            two_byte[(data[0] - 0x81) * 191 + data[1] - 0x40] = code_point
    four_byte = [decode_four[index] for index in range(FOUR_BYTE_BMP_COUNT)]
    to_gbk = [int.from_bytes(encode[c], 'big') if c in encode else 0 for c in range(0x10000)]
    lines = ['// Generated by tools/gen_gbk_tables.py from the GBK and GB18030 charmaps. Do not edit.',
             '#pragma once', '#include <cstdint>', '', 'namespace vorlix::platform::gbk_tables {', '']
    lines += table_lines('kTwoByteToUtf16', 'char16_t', two_byte) + ['']
    lines += table_lines('kFourByteToUtf16', 'char16_t', four_byte) + ['']
    lines += table_lines('kUtf16ToGbk', 'std::uint32_t', to_gbk)
    lines += ['', '}  // namespace vorlix::platform::gbk_tables', '']
    with open(header_path, 'w', encoding='ascii') as header:
        header.write('\n'.join(lines))


if __name__ == '__main__':
    if len(sys.argv) != 4:
        sys.exit('usage: gen_gbk_tables.py GBK.gz GB18030.gz HEADER')
    main(*sys.argv[1:])
