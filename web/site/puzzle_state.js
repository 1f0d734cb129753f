// A puzzle being solved by hand: the givens, the digits entered, the pencil marks, the
// entries a check found wrong, and the moves to undo. No page in here, so it is tested
// apart from the page. Cells are numbered 0..80 row by row; pencil marks are a bit per digit
// (bit d for digit d).

// Digits of an 81-character grid ("." or "0" for an empty cell).
export function gridDigits(text) {
  return Uint8Array.from(text, (c) => (c >= '1' && c <= '9' ? Number(c) : 0));
}

export function createPuzzle(givens, solution) {
  return {
    givens: gridDigits(givens),
    solution: gridDigits(solution),
    entries: new Uint8Array(81),
    marks: new Uint16Array(81),
    wrong: new Set(),
    history: [],
  };
}

export function isGiven(puzzle, cell) {
  return puzzle.givens[cell] !== 0;
}

// The digit in `cell`, given or entered; 0 when empty.
export function digitAt(puzzle, cell) {
  return puzzle.givens[cell] || puzzle.entries[cell];
}

export function hasMark(puzzle, cell, digit) {
  return (puzzle.marks[cell] & (1 << digit)) !== 0;
}

// The pencil-marked digits of `cell`, smallest first.
export function marksOf(puzzle, cell) {
  const digits = [];
  for (let digit = 1; digit <= 9; ++digit) {
    if (hasMark(puzzle, cell, digit)) {
      digits.push(digit);
    }
  }
  return digits;
}

// Changes `cell` to `entry` and `marks`, remembering the old state for undo. False, and
// nothing changed, for a given or when nothing would change.
function change(puzzle, cell, entry, marks) {
  if (isGiven(puzzle, cell) || (puzzle.entries[cell] === entry && puzzle.marks[cell] === marks)) {
    return false;
  }
  puzzle.history.push({ cell, entry: puzzle.entries[cell], marks: puzzle.marks[cell] });
  puzzle.entries[cell] = entry;
  puzzle.marks[cell] = marks;
  puzzle.wrong.delete(cell);
  return true;
}

// Writes `digit` into `cell`; its pencil marks go, as they no longer mean anything.
export function enterDigit(puzzle, cell, digit) {
  return change(puzzle, cell, digit, 0);
}

// Adds or takes away a pencil mark of an empty cell.
export function toggleMark(puzzle, cell, digit) {
  if (puzzle.entries[cell] !== 0) {
    return false;
  }
  return change(puzzle, cell, 0, puzzle.marks[cell] ^ (1 << digit));
}

// Empties `cell` of its digit and its marks.
export function eraseCell(puzzle, cell) {
  return change(puzzle, cell, 0, 0);
}

// Takes back the last change; returns its cell, or -1 when there is none.
export function undo(puzzle) {
  const last = puzzle.history.pop();
  if (!last) {
    return -1;
  }
  puzzle.entries[last.cell] = last.entry;
  puzzle.marks[last.cell] = last.marks;
  puzzle.wrong.delete(last.cell);
  return last.cell;
}

// Marks every entry that differs from the solution as wrong, until it is changed; returns
// how many there are.
export function checkEntries(puzzle) {
  puzzle.wrong.clear();
  puzzle.entries.forEach((entry, cell) => {
    if (entry !== 0 && entry !== puzzle.solution[cell]) {
      puzzle.wrong.add(cell);
    }
  });
  return puzzle.wrong.size;
}

export function emptyCount(puzzle) {
  let empty = 0;
  for (let cell = 0; cell < 81; ++cell) {
    empty += digitAt(puzzle, cell) === 0 ? 1 : 0;
  }
  return empty;
}

export function isSolved(puzzle) {
  return puzzle.solution.every((digit, cell) => digitAt(puzzle, cell) === digit);
}

// The grid as it stands, givens and entries, as 81 characters.
export function currentGrid(puzzle) {
  let text = '';
  for (let cell = 0; cell < 81; ++cell) {
    const digit = digitAt(puzzle, cell);
    text += digit === 0 ? '.' : String(digit);
  }
  return text;
}
