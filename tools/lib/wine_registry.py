#!/usr/bin/env python3
"""Reads a registry file written by "reg export" (UTF-16, as Windows writes it), so that
names and strings come out whole whatever the console's code page.

Usage: wine_registry.py FILE NAME   prints a value of the file's first key (a DWORD in
                                    decimal); exit status 1 when there is no such value
       wine_registry.py FILE        prints every key with its values, sorted, one a line
"""
import re
import sys

VALUE = re.compile(r'^(@|"((?:[^"\\]|\\.)*)")=(.*)$')
ESCAPE = re.compile(r'\\(.)')


def unescape(text):
    return ESCAPE.sub(lambda match: match.group(1), text)


def read_keys(path):
    """[(key, {name: value})] in the file's order: strings unescaped, DWORDs in decimal,
    other types as written."""
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
            keys[-1][1][name.lower()] = (name, decode(match.group(3)))
    return keys


def decode(data):
    if data.startswith('"'):
        return unescape(data[1:-1])
    if data.startswith('dword:'):
        return str(int(data[6:], 16))
    return data


def main(arguments):
    keys = read_keys(arguments[0])
    if len(arguments) == 2:
        values = keys[0][1] if keys else {}
        if arguments[1].lower() not in values:
            return 1
        print(values[arguments[1].lower()][1])
        return 0
    for key, values in sorted(keys):
        print(f'[{key}]')
        for name, value in sorted(values.values()):
            print(f'{name}={value}')
    return 0


if __name__ == '__main__':
    if len(sys.argv) not in (2, 3):
        sys.exit(__doc__)
    sys.exit(main(sys.argv[1:]))
