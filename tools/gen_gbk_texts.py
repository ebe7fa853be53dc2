#!/usr/bin/env python3
"""Turns the UTF-8 table of the system's texts into a header of GBK byte strings.

Each table line is: name <TAB> text <TAB> English gloss. In the text, \\r, \\n,
\\t and \\\\ are escapes. Blank lines and lines starting with # are skipped.
Every non-ASCII or non-printable byte is written as a three-digit octal escape,
which can never run into the character after it.

With a third argument, also writes a header listing every text with its UTF-16
form, for tests that check the GBK bytes against the system's own codec.
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


def cp936_bytes(text):
    # Windows' code page 936 has the euro sign as the single byte 0x80;
    # Python's gbk codec lacks it but otherwise maps the same.
    return b'\x80'.join(part.encode('gbk') for part in text.split('\u20ac'))


def utf16_literal(text):
    out = []
    for ch in text:
        if ' ' <= ch <= '~' and ch not in '"\\?':
            out.append(ch)
        elif ord(ch) > 0xFFFF:
            out.append('\\U%08X' % ord(ch))
        else:
            out.append('\\u%04X' % ord(ch))
    return 'u"' + ''.join(out) + '"'


def write_check_header(path, texts):
    lines = ['// Generated from texts.tsv: every text with its UTF-16 form. Do not edit.',
             '#pragma once', '#include <string_view>', '', '#include "texts.h"', '',
             'namespace vorlix::texts {', '',
             'struct TextWithUtf16 {', '  std::string_view name;', '  std::string_view gbk;',
             '  std::u16string_view utf16;', '};', '',
             'inline constexpr TextWithUtf16 kAllTexts[] = {']
    lines += [f'    {{"{name}", {name}, {utf16_literal(text)}}},' for name, text in texts]
    lines += ['};', '', '}  // namespace vorlix::texts', '']
    with open(path, 'w', encoding='utf-8') as header:
        header.write('\n'.join(lines))


def main(table_path, header_path, check_header_path=None):
    lines = ['// Generated from texts.tsv: the system\'s texts as GBK bytes. Do not edit.',
             '#pragma once', '#include <string_view>', '', 'namespace vorlix::texts {', '']
    names = set()
    texts = []
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
            try:
                data = cp936_bytes(text)
            except UnicodeEncodeError as error:
                sys.exit(f'{table_path}:{number}: {error.object[error.start]!r} is not a GBK character')
            texts.append((name, text))
            lines.append(f'// {gloss}: {text!r}'.replace('\n', '\\n').replace('\r', '\\r'))
            lines.append(f'inline constexpr std::string_view {name}{{{c_literal(data)}, {len(data)}}};')
    lines += ['', '}  // namespace vorlix::texts', '']
    with open(header_path, 'w', encoding='utf-8') as header:
        header.write('\n'.join(lines))
    if check_header_path:
        write_check_header(check_header_path, texts)


if __name__ == '__main__':
    if len(sys.argv) not in (3, 4):
        sys.exit('usage: gen_gbk_texts.py TABLE HEADER [UTF16_CHECK_HEADER]')
    main(*sys.argv[1:])
