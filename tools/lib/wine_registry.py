#!/usr/bin/env python3
"""Prints a registry file written by "reg export" (UTF-16, as Windows writes it) as plain
text: each key as "[key]", then its values as "name=value" lines (strings unescaped,
DWORDs in decimal, other types as written), keys and values sorted. Names and strings
come out whole, whatever the console's code page.

Usage: wine_registry.py FILE
"""
import re
import sys

VALUE = re.compile(r'^(@|"((?:[^"\\]|\\.)*)")=(.*)$')
ESCAPE = re.compile(r'\\(.)')


def unescape(text):
    return ESCAPE.sub(lambda match: match.group(1), text)


def read_keys(path):
    """[(key, {name: value})] in the file's order."""
    with open(path, encoding='utf-16') as exported:
        lines = exported.read().splitlines()
    keys = []
    for line in lines:
        if line.startswith('['):
            keys.append((line[1:-1], {}))
            continue
        match = VALUE.match(line)
        if match and keys:
            name = '' if match.group(1) == '@' else unescape(match.group(2))
            keys[-1][1][name] = decode(match.group(3))
    return keys


def decode(data):
    if data.startswith('"'):
        return unescape(data[1:-1])
    if data.startswith('dword:'):
        return str(int(data[6:], 16))
    return data


def main(path):
    for key, values in sorted(read_keys(path)):
        print(f'[{key}]')
        for name, value in sorted(values.items()):
            print(f'{name}={value}')


if __name__ == '__main__':
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    main(sys.argv[1])
