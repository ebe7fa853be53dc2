#!/usr/bin/env python3
"""Turns the UTF-8 table of the system's texts into a header of GBK byte strings.

Each table line is: name <TAB> text <TAB> English gloss. In the text, \\r, \\n,
\\t and \\\\ are escapes. Blank lines and lines starting with # are skipped.
Every non-ASCII or non-printable byte is written as a three-digit octal escape,
which can never run into the character after it.
"""
import sys


def unescape(text):
    return (text.replace('\\\\', '\0').replace('\\r', '\r').replace('\\n', '\n')
            .replace('\\t', '\t').replace('\0', '\\'))


def c_literal(data):
    out = []
    for byte in data:
        ch = chr(byte)
        if ch in '"\\?' or byte < 0x20 or byte > 0x7e:
            out.append('\\%03o' % byte)
        else:
            out.append(ch)
    return '"' + ''.join(out) + '"'


def main(table_path, header_path):
    lines = ['// Generated from texts.tsv: the system\'s texts as GBK bytes. Do not edit.',
             '#pragma once', '#include <string_view>', '', 'namespace vorlix::texts {', '']
    names = set()
    with open(table_path, encoding='utf-8') as table:
        for number, line in enumerate(table, 1):
            line = line.rstrip('\n')
            if not line.strip() or line.startswith('#'):
                continue
            fields = line.split('\t')
            if len(fields) != 3:
                sys.exit(f'{table_path}:{number}: expected name, text and gloss separated by tabs')
            name, text, gloss = fields
            if name in names:
                sys.exit(f'{table_path}:{number}: {name} is defined twice')
            names.add(name)
            text = unescape(text)
            data = text.encode('gbk')
            lines.append(f'// {gloss}: {text!r}'.replace('\n', '\\n').replace('\r', '\\r'))
            lines.append(f'inline constexpr std::string_view {name}{{{c_literal(data)}, {len(data)}}};')
    lines += ['', '}  // namespace vorlix::texts', '']
    with open(header_path, 'w', encoding='utf-8') as header:
        header.write('\n'.join(lines))


if __name__ == '__main__':
    if len(sys.argv) != 3:
        sys.exit('usage: gen_gbk_texts.py TABLE HEADER')
    main(sys.argv[1], sys.argv[2])
