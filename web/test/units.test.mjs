// The page's logic that needs no browser: reading numbers, the state of a puzzle being
// solved, and the files a set is downloaded as.

import assert from 'node:assert/strict';
import { test } from 'node:test';

import { formatSet } from '../site/downloads.js';
import { LARGEST_64, halves, parseNumber } from '../site/numbers.js';
import * as state from '../site/puzzle_state.js';

test('numbers are read as the command line reads them', () => {
  const cases = [
    ['0', 0n],
    ['010', 10n],
    [' 42 ', 42n],
    ['0x2A', 42n],
    ['0XdeadBEEF', 0xdeadbeefn],
    ['18446744073709551615', LARGEST_64],
    ['0xFFFFFFFFFFFFFFFF', LARGEST_64],
    ['18446744073709551616', null],
    ['0x', null],
    ['-1', null],
    ['1e3', null],
    ['0b101', null],
    ['0o7', null],
    ['4 2', null],
    ['', null],
  ];
  for (const [text, value] of cases) {
    assert.equal(parseNumber(text), value, JSON.stringify(text));
  }
  assert.equal(parseNumber('0', 1n, 10n), null);
  assert.equal(parseNumber('11', 1n, 10n), null);
  assert.deepEqual(halves(0x123456789abcdef0n), [0x12345678, 0x9abcdef0]);
});

// A solved grid and a puzzle of it with every third cell given.
const SOLUTION = '534678912672195348198342567859761423426853791713924856961537284287419635345286179';
const GIVENS = [...SOLUTION].map((digit, cell) => (cell % 3 === 0 ? digit : '.')).join('');

test('entries, pencil marks, erasing and undo change only what they should', () => {
  const puzzle = state.createPuzzle(GIVENS, SOLUTION);
  assert.equal(state.enterDigit(puzzle, 0, 1), false, 'a given stays');
  assert.equal(state.toggleMark(puzzle, 1, 4), true);
  assert.equal(state.toggleMark(puzzle, 1, 6), true);
  assert.deepEqual(state.marksOf(puzzle, 1), [4, 6]);
  assert.equal(state.enterDigit(puzzle, 1, 3), true);
  assert.deepEqual(state.marksOf(puzzle, 1), [], 'a digit clears the marks');
  assert.equal(state.toggleMark(puzzle, 1, 5), false, 'no marks on a filled cell');
  assert.equal(state.enterDigit(puzzle, 1, 3), false, 'the same digit again changes nothing');
  assert.equal(state.eraseCell(puzzle, 1), true);
  assert.equal(state.eraseCell(puzzle, 1), false);
  // Undo walks back through every change, then has nothing left.
  const expected = [
    [3, []],
    [0, [4, 6]],
    [0, [4]],
    [0, []],
  ];
  for (const [digit, marks] of expected) {
    assert.equal(state.undo(puzzle), 1);
    assert.equal(state.digitAt(puzzle, 1), digit);
    assert.deepEqual(state.marksOf(puzzle, 1), marks);
  }
  assert.equal(state.undo(puzzle), -1);
});

test('a check flags the wrong entries until they change, and a full right grid is solved', () => {
  const puzzle = state.createPuzzle(GIVENS, SOLUTION);
  const open = [...GIVENS].flatMap((c, cell) => (c === '.' ? [cell] : []));
  assert.equal(state.emptyCount(puzzle), open.length);
  for (const cell of open) {
    state.enterDigit(puzzle, cell, Number(SOLUTION[cell]));
  }
  const [a, b] = open;
  state.enterDigit(puzzle, a, (Number(SOLUTION[a]) % 9) + 1);
  state.enterDigit(puzzle, b, (Number(SOLUTION[b]) % 9) + 1);
  assert.equal(state.checkEntries(puzzle), 2);
  assert.deepEqual([...puzzle.wrong].sort((x, y) => x - y), [a, b]);
  assert.equal(state.isSolved(puzzle), false);
  state.enterDigit(puzzle, a, Number(SOLUTION[a]));
  assert.deepEqual([...puzzle.wrong], [b], 'a changed cell is no longer flagged');
  state.undo(puzzle);
  assert.equal(puzzle.wrong.has(a), false, 'nor is one undone');
  state.enterDigit(puzzle, a, Number(SOLUTION[a]));
  state.enterDigit(puzzle, b, Number(SOLUTION[b]));
  assert.equal(state.checkEntries(puzzle), 0);
  assert.equal(state.isSolved(puzzle), true);
  assert.equal(state.currentGrid(puzzle), SOLUTION);
});

test('a set is written in each format with the fields of cellwright-tool generate', () => {
  const counters = {
    box_single_passes: 5,
    locked_candidate_sweeps: 0,
    naked_single_scans: 2,
    line_single_passes: 1,
    naked_pair_sweeps: 0,
    naked_triple_sweeps: 0,
  };
  const techniques = [{ key: 'box_hidden_single' }, { key: 'pointing' }, { key: 'x_wing' }];
  const easy = {
    index: '18446744073709551614',
    grade: 4,
    difficultyClass: 2,
    score: 31,
    counters,
    givens: GIVENS,
    solution: SOLUTION,
    hardest: { key: 'pointing', name: 'pointing' },
    steps: { box_hidden_single: 40, pointing: 2 },
    problemLine: '4/5..6..9../',
  };
  const hard = {
    ...easy,
    index: '7',
    grade: 12,
    difficultyClass: 5,
    score: null,
    hardest: { key: 'x_wing', name: 'X-wing' },
    steps: { box_hidden_single: 30, x_wing: 1 },
    problemLine: '12/5..6..9../',
  };
  const set = {
    seed: LARGEST_64,
    version: '1.0.0',
    difficultyClass: 2,
    techniques,
    problems: [easy, hard],
  };
  assert.equal(formatSet(set, 'dat'), '4/5..6..9../\n12/5..6..9../\n');
  assert.equal(formatSet(set, 'line'), `${GIVENS}\n${GIVENS}\n`);
  const json = formatSet(set, 'json').split('\n');
  assert.match(json[0], /^\{"index": 18446744073709551614, "seed": 18446744073709551615, "class": 2,/);
  assert.match(json[1], /"score": null, .*"hardest": "x_wing", "steps": \{"box_hidden_single": 30, "x_wing": 1\}/);
  assert.deepEqual(Object.keys(JSON.parse(json[0])), [
    'index', 'seed', 'class', 'grade', 'score', 'counters', 'givens', 'solution', 'hardest',
    'steps', 'version',
  ]);
  const [header, first, second, end] = formatSet(set, 'csv').split('\n');
  assert.equal(
    header,
    'index,seed,class,grade,score,box_single_passes,locked_candidate_sweeps,naked_single_scans,' +
      'line_single_passes,naked_pair_sweeps,naked_triple_sweeps,givens,solution,hardest,' +
      'box_hidden_single,pointing,x_wing,version',
  );
  const common = `5,0,2,1,0,0,${GIVENS},${SOLUTION}`;
  assert.equal(first, `18446744073709551614,18446744073709551615,2,4,31,${common},pointing,40,2,0,1.0.0`);
  assert.equal(second, `7,18446744073709551615,5,12,,${common},x_wing,30,0,1,1.0.0`);
  assert.equal(end, '');
  assert.equal(formatSet({ ...set, problems: [] }, 'csv'), '');
});
