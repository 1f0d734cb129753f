// The grid a problem is solved on, with its keypad. Keyboard: the arrow keys, Home and End
// move; 1-9 enter a digit (a pencil mark with Shift, or in pencil mode); 0, Backspace or
// Delete empty the cell; P switches pencil mode; Ctrl+Z (or U) undoes; C checks; H asks for
// a hint. Each cell tells a screen reader where it is and what it holds; what a check, an
// undo or a hint did is announced.

import { problemTitle } from './grid_view.js';
import {
  checkEntries,
  createPuzzle,
  currentGrid,
  digitAt,
  emptyCount,
  enterDigit,
  eraseCell,
  isGiven,
  isSolved,
  marksOf,
  toggleMark,
  undo,
} from './puzzle_state.js';

const MOVES = { ArrowUp: [-1, 0], ArrowDown: [1, 0], ArrowLeft: [0, -1], ArrowRight: [0, 1] };

function element(tag, className, attributes = {}) {
  const node = document.createElement(tag);
  if (className) {
    node.className = className;
  }
  for (const [name, value] of Object.entries(attributes)) {
    node.setAttribute(name, value);
  }
  return node;
}

export class Board {
  // Builds the grid, the keypad and the announcer inside `container`. `hint(grid)` resolves
  // to the next logical step from a grid of 81 characters (EngineClient.hint).
  constructor(container, { hint }) {
    this.puzzle = null;
    this.selected = 0;
    this.pencil = false;
    this.askHint = hint;
    this.shown = { pattern: new Set(), targets: new Set() };
    // Changes with every move, so a hint that comes back after one is dropped.
    this.moves = 0;
    // Hints asked since the last move: each one more shows the step after.
    this.later = 0;

    this.grid = element('div', 'board', { role: 'grid', 'aria-label': 'Puzzle' });
    this.cells = [];
    for (let row = 0; row < 9; ++row) {
      const line = element('div', 'board-row', { role: 'row' });
      for (let column = 0; column < 9; ++column) {
        const cell = element('div', 'board-cell', { role: 'gridcell', tabindex: '-1' });
        cell.dataset.cell = String(row * 9 + column);
        line.append(cell);
        this.cells.push(cell);
      }
      this.grid.append(line);
    }
    this.grid.addEventListener('keydown', (event) => this.onKey(event));
    this.grid.addEventListener('click', (event) => {
      const cell = event.target.closest('.board-cell');
      if (cell) {
        this.select(Number(cell.dataset.cell));
      }
    });

    const keypad = element('div', 'keypad', { role: 'group', 'aria-label': 'Digits' });
    for (let digit = 1; digit <= 9; ++digit) {
      const key = element('button', 'key', { type: 'button' });
      key.textContent = String(digit);
      key.addEventListener('click', () => this.putDigit(digit, this.pencil));
      keypad.append(key);
    }
    const tools = element('div', 'board-tools', { role: 'group', 'aria-label': 'Solving' });
    this.pencilButton = this.button(tools, 'Pencil', () => this.setPencil(!this.pencil));
    this.pencilButton.setAttribute('aria-pressed', 'false');
    this.button(tools, 'Erase', () => this.erase());
    this.button(tools, 'Undo', () => this.undo());
    this.button(tools, 'Check', () => this.check());
    this.button(tools, 'Hint', () => this.hint());
    this.status = element('p', 'board-status', { role: 'status' });

    container.replaceChildren(this.grid, keypad, tools, this.status);
  }

  button(parent, label, action) {
    const node = element('button', `tool tool-${label.toLowerCase()}`, { type: 'button' });
    node.textContent = label;
    node.addEventListener('click', action);
    parent.append(node);
    return node;
  }

  // Puts `problem` on the board, as puzzle number `number`.
  show(problem, number) {
    this.puzzle = createPuzzle(problem.givens, problem.solution);
    this.moved();
    this.grid.setAttribute('aria-label', `Puzzle ${problemTitle(problem, number)}`);
    this.cells.forEach((_, cell) => this.draw(cell));
    this.select(this.puzzle.givens.findIndex((digit) => digit === 0), false);
    this.announce('');
  }

  select(cell, focus = true) {
    this.cells[this.selected].setAttribute('tabindex', '-1');
    this.cells[this.selected].classList.remove('selected');
    this.selected = Math.max(cell, 0);
    const node = this.cells[this.selected];
    node.setAttribute('tabindex', '0');
    node.classList.add('selected');
    if (focus) {
      node.focus();
    }
  }

  setPencil(on) {
    this.pencil = on;
    this.pencilButton.setAttribute('aria-pressed', String(on));
  }

  draw(cell) {
    const puzzle = this.puzzle;
    const node = this.cells[cell];
    const digit = digitAt(puzzle, cell);
    const marks = marksOf(puzzle, cell);
    const given = isGiven(puzzle, cell);
    const wrong = puzzle.wrong.has(cell);
    node.classList.toggle('given', given);
    node.classList.toggle('wrong', wrong);
    node.classList.toggle('marked', digit === 0 && marks.length > 0);
    node.classList.toggle('hint-pattern', this.shown.pattern.has(cell));
    node.classList.toggle('hint-target', this.shown.targets.has(cell));
    if (digit !== 0) {
      node.textContent = String(digit);
    } else {
      node.replaceChildren(
        ...marks.map((mark) => {
          const span = element('span', `mark mark-${mark}`);
          span.textContent = String(mark);
          return span;
        }),
      );
    }
    let what = 'empty';
    if (given) {
      what = `${digit}, given`;
    } else if (digit !== 0) {
      what = wrong ? `${digit}, wrong` : String(digit);
    } else if (marks.length) {
      what = `pencil marks ${marks.join(' ')}`;
    }
    if (this.shown.targets.has(cell)) {
      what += ', changed by the hint';
    } else if (this.shown.pattern.has(cell)) {
      what += ', part of the hint';
    }
    const row = Math.floor(cell / 9) + 1;
    const column = (cell % 9) + 1;
    node.setAttribute('aria-label', `Row ${row}, column ${column}: ${what}`);
    node.setAttribute('aria-readonly', String(given));
    if (wrong) {
      node.setAttribute('aria-invalid', 'true');
    } else {
      node.removeAttribute('aria-invalid');
    }
  }

  announce(text) {
    this.status.textContent = text;
  }

  // Lights the cells of the hint `shown` ({pattern, targets}: sets of cells), or none.
  light(shown = { pattern: new Set(), targets: new Set() }) {
    const lit = [...this.shown.pattern, ...this.shown.targets, ...shown.pattern, ...shown.targets];
    this.shown = shown;
    if (this.puzzle) {
      lit.forEach((cell) => this.draw(cell));
    }
  }

  // Forgets the hints, as the grid they were for has changed.
  moved() {
    this.moves += 1;
    this.later = 0;
    this.light();
  }

  // Shows the next logical step from the grid as it stands, its pattern's cells and the
  // cells it changes lit; asked again before a move, the step after that (a step that only
  // removes candidates changes nothing on a board without them). Wrong entries are flagged
  // instead, as no step follows from them.
  async hint() {
    if (!this.puzzle) {
      return;
    }
    if (isSolved(this.puzzle)) {
      this.announce('Solved!');
      return;
    }
    const wrong = checkEntries(this.puzzle);
    if (wrong > 0) {
      this.cells.forEach((_, cell) => this.draw(cell));
      this.announce(`Fix the ${wrong === 1 ? 'wrong entry' : `${wrong} wrong entries`} first.`);
      return;
    }
    const moves = this.moves;
    const later = this.later;
    this.announce('Looking for the next step…');
    let step;
    try {
      step = await this.askHint(currentGrid(this.puzzle), later);
    } catch (error) {
      this.announce(`No hint: ${error.message}`);
      return;
    }
    if (moves !== this.moves || later !== this.later) {
      return;
    }
    if (step.status !== 'step') {
      this.light();
      this.announce(`No hint: ${step.text}.`);
      return;
    }
    const targets = step.eliminations.map(({ cell }) => cell);
    if (step.placedCell >= 0) {
      targets.push(step.placedCell);
    }
    this.later += 1;
    this.light({
      pattern: new Set(step.pattern.map(({ cell }) => cell)),
      targets: new Set(targets),
    });
    this.announce(`${later === 0 ? 'Hint' : 'Then'}: ${step.text}`);
  }

  // Enters `digit` in the selected cell, or toggles it as a pencil mark.
  putDigit(digit, asMark) {
    if (!this.puzzle) {
      return;
    }
    const cell = this.selected;
    if (isGiven(this.puzzle, cell)) {
      this.announce('That cell is given.');
      return;
    }
    const changed = asMark
      ? toggleMark(this.puzzle, cell, digit)
      : enterDigit(this.puzzle, cell, digit);
    if (changed) {
      this.moved();
      this.draw(cell);
      this.announce(
        !asMark && emptyCount(this.puzzle) === 0 && isSolved(this.puzzle) ? 'Solved!' : '',
      );
    }
  }

  erase() {
    if (this.puzzle && eraseCell(this.puzzle, this.selected)) {
      this.moved();
      this.draw(this.selected);
    }
  }

  undo() {
    if (!this.puzzle) {
      return;
    }
    const cell = undo(this.puzzle);
    if (cell < 0) {
      this.announce('Nothing to undo.');
      return;
    }
    this.moved();
    this.draw(cell);
    this.select(cell, this.grid.contains(document.activeElement));
    this.announce(`Undone: row ${Math.floor(cell / 9) + 1}, column ${(cell % 9) + 1}.`);
  }

  check() {
    if (!this.puzzle) {
      return;
    }
    const wrong = checkEntries(this.puzzle);
    this.cells.forEach((_, cell) => this.draw(cell));
    if (wrong > 0) {
      this.announce(wrong === 1 ? '1 entry is wrong.' : `${wrong} entries are wrong.`);
    } else if (isSolved(this.puzzle)) {
      this.announce('Solved!');
    } else {
      this.announce(`No mistakes so far; ${emptyCount(this.puzzle)} cells to go.`);
    }
  }

  onKey(event) {
    const row = Math.floor(this.selected / 9);
    const column = this.selected % 9;
    const digit = /^(Digit|Numpad)([1-9])$/.exec(event.code);
    let handled = true;
    if (MOVES[event.key]) {
      const [down, right] = MOVES[event.key];
      const r = Math.min(8, Math.max(0, row + down));
      const c = Math.min(8, Math.max(0, column + right));
      this.select(r * 9 + c);
    } else if (event.key === 'Home') {
      this.select(event.ctrlKey ? 0 : row * 9);
    } else if (event.key === 'End') {
      this.select(event.ctrlKey ? 80 : row * 9 + 8);
    } else if (digit && !event.ctrlKey && !event.altKey && !event.metaKey) {
      this.putDigit(Number(digit[2]), this.pencil || event.shiftKey);
    } else if (['Backspace', 'Delete', '0'].includes(event.key)) {
      this.erase();
    } else if ((event.key === 'z' && (event.ctrlKey || event.metaKey)) || event.key === 'u') {
      this.undo();
    } else if (event.key === 'p') {
      this.setPencil(!this.pencil);
      this.announce(this.pencil ? 'Pencil marks on.' : 'Pencil marks off.');
    } else if (event.key === 'c' && !event.ctrlKey && !event.metaKey) {
      this.check();
    } else if (event.key === 'h') {
      this.hint();
    } else {
      handled = false;
    }
    if (handled) {
      event.preventDefault();
    }
  }
}
