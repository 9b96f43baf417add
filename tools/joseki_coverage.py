#!/usr/bin/env python3
"""How much of the engine's settled corner play the collection covers.

Reads the two KataGo joseki trees in DATA/engine/ (JosekiExtraction, see DATA/README.md) and the
collection's sources DATA/joseki/*.sgf; reads nothing else.

A settled line is a path of at least two stones from the corner stone whose last move is a stone
and whose end node plays elsewhere (the next move is a tenuki, B[tt]/W[tt]) in more than half of
the games reaching it, the two trees summed. Per corner type (the first stone: 4-4, 3-4, 5-4, 5-3,
3-3) the 25 most frequent settled lines are measured (all of them where there are fewer). A row
of the collection covers a line when
  - the row is the line or begins with it, a move of the row outside the trees' 10x10 corner
    counting as a move elsewhere, in either diagonal orientation of the corner; or
  - the row passes through the line's final position (captures applied; the row's stones
    outside the 10x10 corner left out) in any of the 8 orientations and with either colour.
Prints, per corner type, covered/total and the uncovered lines, then the figure for every
settled line that 200 or more engine games reach.

Usage: joseki_coverage.py [DATA]      (DATA defaults to the data/ folder beside tools/)
"""

import glob
import json
import os
import re
import sys

TOP = 25
MANY_GAMES = 200
WINDOW = 10  # the trees keep the 10x10 corner
CORNER_TYPES = [('dd', '4-4 (星)'), ('cd', '3-4 (小目)'), ('de', '5-4 (高目)'),
                ('ce', '5-3 (目外し)'), ('cc', '3-3 (三々)')]
TENUKI = None

# --- SGF ---------------------------------------------------------------------------------

TOKEN = re.compile(r'\(|\)|;|([A-Za-z]+)((?:\s*\[(?:\\.|[^\]\\])*\])+)|\s+', re.S)
VALUE = re.compile(r'\[((?:\\.|[^\]\\])*)\]', re.S)


def sgf_tokens(text):
    pos = 0
    while pos < len(text):
        m = TOKEN.match(text, pos)
        if not m:
            raise ValueError('bad SGF near character %d' % pos)
        pos = m.end()
        if m.group(1):
            yield ('prop', m.group(1), VALUE.findall(m.group(2)))
        elif not m.group(0).isspace():
            yield (m.group(0),)


def point(value):
    """SGF letters -> (column, row) from 1, or TENUKI for '' and 'tt'."""
    if value in ('', 'tt'):
        return TENUKI
    return (ord(value[0]) - 96, ord(value[1]) - 96)


# --- The engine trees ---------------------------------------------------------------------

class Node:
    __slots__ = ('count', 'children')

    def __init__(self):
        self.count = 0
        self.children = {}  # point in the upper-left corner (or TENUKI) -> Node


def read_tree(path, root):
    """Adds the tree of one file to root. The trees lie in the upper-right corner, black first;
    every node holds one move and a JSON comment whose 'count' is the games reaching it."""
    stack, node = [], None
    pending = None  # the node being read: [count, move]

    def close():
        nonlocal node, pending
        if pending is None or pending[1] is False:
            pending = None
            return
        move = pending[1]
        if move is not TENUKI:
            move = (20 - move[0], move[1])  # upper right -> upper left
        child = node.children.setdefault(move, Node())
        child.count += pending[0]
        node, pending = child, None

    for tok in sgf_tokens(open(path, encoding='utf-8').read()):
        if tok[0] == '(':
            close()
            stack.append(node)
        elif tok[0] == ')':
            close()
            node = stack.pop()
        elif tok[0] == ';':
            close()
            if node is None:
                node = root  # the root node: the file's header
            else:
                pending = [0, False]
        elif pending is not None:
            key, values = tok[1], tok[2]
            if key == 'C':
                try:
                    pending[0] = json.loads(values[0]).get('count', 0)
                except ValueError:
                    pass
            elif key in ('B', 'W'):
                pending[1] = point(values[0])
    close()


def settled_lines(root):
    """(count, moves) of every settled line, moves in the upper-left corner."""
    lines = []

    def walk(node, path):
        for move, child in node.children.items():
            line = path + [move]
            stones = sum(1 for m in line if m is not TENUKI)
            if move is not TENUKI and stones >= 2 and child.count > 0:
                elsewhere = child.children.get(TENUKI)
                if elsewhere is not None and 2 * elsewhere.count > child.count:
                    lines.append((child.count, line))
            walk(child, line)

    walk(root, [])
    return lines


# --- The collection -----------------------------------------------------------------------

def read_rows(folder):
    """(key, title, stones, given) of every row; stones black first, TENUKI for a tenuki."""
    rows = []
    for path in sorted(glob.glob(os.path.join(folder, '*.sgf'))):
        text = open(path, encoding='utf-8').read()
        depth, tree = 0, None
        for tok in sgf_tokens(text):
            if tok[0] == '(':
                depth += 1
                if depth == 1:
                    tree = {'JK': '', 'GN': '', 'JG': '1', 'stones': []}
            elif tok[0] == ')':
                depth -= 1
                if depth == 0:
                    rows.append((tree['JK'], tree['GN'], tree['stones'], int(tree['JG'] or 1)))
            elif tok[0] == 'prop' and depth >= 1:
                key, values = tok[1], tok[2]
                if key in ('B', 'W'):
                    tree['stones'].append(point(values[0]))
                elif key in ('JK', 'GN', 'JG'):
                    tree[key] = values[0]
    return rows


def in_window(p):
    return p is not TENUKI and p[0] <= WINDOW and p[1] <= WINDOW


def as_tree_line(stones, mirror):
    """The row as the trees record it: moves outside the 10x10 corner are moves elsewhere."""
    line = []
    for p in stones:
        if p is not TENUKI and mirror:
            p = (p[1], p[0])
        line.append(p if in_window(p) else TENUKI)
    return line


NEIGHBOURS = ((1, 0), (-1, 0), (0, 1), (0, -1))


def play(board, p, colour, captures):
    board[p] = colour
    if not captures:
        return
    for dc, dr in NEIGHBOURS:
        q = (p[0] + dc, p[1] + dr)
        if board.get(q) == 3 - colour:
            group, open_, liberty = {q}, [q], False
            while open_:
                s = open_.pop()
                for ec, er in NEIGHBOURS:
                    n = (s[0] + ec, s[1] + er)
                    if not (1 <= n[0] <= 19 and 1 <= n[1] <= 19):
                        continue
                    if n not in board:
                        liberty = True
                    elif board[n] == 3 - colour and n not in group:
                        group.add(n)
                        open_.append(n)
            if not liberty:
                for s in group:
                    del board[s]


SYMMETRIES = [lambda c, r: (c, r), lambda c, r: (20 - c, r), lambda c, r: (c, 20 - r),
              lambda c, r: (20 - c, 20 - r), lambda c, r: (r, c), lambda c, r: (20 - r, c),
              lambda c, r: (r, 20 - c), lambda c, r: (20 - r, 20 - c)]


def position_key(board):
    """The same for all 8 orientations and both colourings of one position."""
    keys = []
    for sym in SYMMETRIES:
        for swap in (False, True):
            keys.append(tuple(sorted((sym(c, r), colour if not swap else 3 - colour)
                                     for (c, r), colour in board.items())))
    return min(keys)


def positions(stones, given):
    """The key of the position after every move of a row (given stones never capture)."""
    board, keys = {}, set()
    for i, p in enumerate(stones):
        if p is not TENUKI and p not in board:
            play(board, p, 1 if i % 2 == 0 else 2, i >= given)
        if i >= given - 1:
            keys.add(position_key({q: c for q, c in board.items() if in_window(q)}))
    return keys


def line_position(line):
    board = {}
    for i, p in enumerate(line):
        if p is not TENUKI and p not in board:
            play(board, p, 1 if i % 2 == 0 else 2, True)
    return position_key(board)


# --- Report -------------------------------------------------------------------------------

def text_of(line):
    return ' '.join('--' if p is TENUKI else chr(96 + p[0]) + chr(96 + p[1]) for p in line)


def main():
    data = sys.argv[1] if len(sys.argv) > 1 else os.path.join(
        os.path.dirname(os.path.abspath(__file__)), '..', 'data')
    root = Node()
    trees = sorted(glob.glob(os.path.join(data, 'engine', '*.sgf')))
    if not trees:
        sys.exit('no engine trees in %s' % os.path.join(data, 'engine'))
    for path in trees:
        read_tree(path, root)
    rows = read_rows(os.path.join(data, 'joseki'))
    row_lines = [as_tree_line(stones, mirror) for _, _, stones, _ in rows for mirror in (False, True)]
    row_positions = set()
    for _, _, stones, given in rows:
        row_positions |= positions(stones, given)

    def covered(line):
        n = len(line)
        return any(r[:n] == line for r in row_lines) or line_position(line) in row_positions

    lines = settled_lines(root)
    print('Engine coverage: settled lines of %s (two trees summed) against %d rows of %s'
          % (', '.join(os.path.basename(t) for t in trees), len(rows),
             os.path.join(data, 'joseki')))
    print('(moves in the collection\'s upper-left corner, SGF letters; -- a move elsewhere)')
    total_covered = total = 0
    for first, name in CORNER_TYPES:
        own = sorted((l for l in lines if text_of(l[1][:1]) == first), key=lambda l: -l[0])
        top = own[:TOP]
        missing = [l for l in top if not covered(l[1])]
        total += len(top)
        total_covered += len(top) - len(missing)
        print('\n%s: %d/%d covered (settled lines: %d)' % (name, len(top) - len(missing), len(top),
                                                        len(own)))
        for count, line in missing:
            print('  uncovered  %6d games  %s' % (count, text_of(line)))
    print('\nthe %d most frequent lines per corner type: %d/%d covered' % (TOP, total_covered, total))
    many = sorted((l for l in lines if l[0] >= MANY_GAMES), key=lambda l: -l[0])
    missing = [l for l in many if not covered(l[1])]
    print('settled lines that %d+ engine games reach: %d/%d covered (%.0f%%)'
          % (MANY_GAMES, len(many) - len(missing), len(many),
             100.0 * (len(many) - len(missing)) / max(1, len(many))))
    for count, line in missing:
        print('  uncovered  %6d games  %s' % (count, text_of(line)))


if __name__ == '__main__':
    main()
