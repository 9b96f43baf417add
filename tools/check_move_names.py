#!/usr/bin/env python3
"""Checks every move named in the collection's texts against the moves, apart from the builder.

Reads DATA/joseki/*.sgf (format in DATA/README.md) and, for every game tree, looks at the title
GN, the caption JC and the commentary C for move names: 黒N or 白N, also with は between
(「黒は８」) and lists of further numbers (「白７、９」, 「黒４・６」). A named move must be one of
the row's numbered moves (the moves after the JG given stones, numbered from 1) and be played by
the colour named (move 1 is the first stone after the given ones; colours alternate from black
over all stones). Prints every fault and a summary; exits 1 when there is a fault.

Usage: check_move_names.py [DATA]      (DATA defaults to the data/ folder beside tools/)
"""

import glob
import os
import re
import sys

TREE = re.compile(r'\(;(.*?)\)\s*(?=\(;|\Z)', re.S)
PROPERTY = r'(?<![A-Z]){}\[((?:[^\]\\]|\\.)*)\]'
MOVE = re.compile(r';\s*([BW])\[([a-z]{0,2})\]')
DIGITS = str.maketrans('０１２３４５６７８９', '0123456789')
NUMBER = r'[0-9０-９]+'
# A colour, an optional は, a number, then more numbers after 、 or ・.
NAMED = re.compile(r'([黒白])は?(' + NUMBER + r'(?:[、・]' + NUMBER + r')*)')


def prop(body, name):
    found = re.search(PROPERTY.format(name), body)
    return found.group(1) if found else ''


def faults_of(body):
    """The faults of one game tree's texts, as strings."""
    stones = MOVE.findall(body)
    given = int(prop(body, 'JG') or 1)
    numbered = len(stones) - given
    faults = []
    for field in ('GN', 'JC', 'C'):
        for match in NAMED.finditer(prop(body, field)):
            colour = 'B' if match.group(1) == '黒' else 'W'
            for text in re.split('[、・]', match.group(2)):
                n = int(text.translate(DIGITS))
                if not 1 <= n <= numbered:
                    faults.append('%s: %s%s names move %d, but the row has %d numbered moves'
                                  % (field, match.group(1), text, n, numbered))
                elif stones[given + n - 1][0] != colour:
                    faults.append('%s: %s%s is a move of the other colour'
                                  % (field, match.group(1), text))
    return faults


def main():
    data = sys.argv[1] if len(sys.argv) > 1 else os.path.join(
        os.path.dirname(os.path.abspath(__file__)), '..', 'data')
    rows = names = bad = 0
    for path in sorted(glob.glob(os.path.join(data, 'joseki', '*.sgf'))):
        text = open(path, encoding='utf-8').read()
        for number, tree in enumerate(TREE.finditer(text), 1):
            body = tree.group(1)
            rows += 1
            for field in ('GN', 'JC', 'C'):
                names += sum(len(re.split('[、・]', m.group(2)))
                             for m in NAMED.finditer(prop(body, field)))
            for fault in faults_of(body):
                bad += 1
                print('%s: joseki %d 「%s」 (%s): %s' % (os.path.relpath(path, data), number,
                                                        prop(body, 'GN'), prop(body, 'JK'), fault))
    print('%d rows, %d move names checked, %d faults' % (rows, names, bad))
    sys.exit(1 if bad else 0)


if __name__ == '__main__':
    main()
