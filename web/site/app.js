// The page: the form that makes a set, the set's list, printing and downloads, and the board
// the chosen problem is solved on. The address keeps the form's values (#class=3&count=10&
// seed=7&start=0), so a set can be bookmarked or sent and is made again when opened.

import { Board } from './board.js';
import { fileName, formatSet, mediaType } from './downloads.js';
import { EngineClient } from './engine_client.js';
import { problemTitle, staticGrid } from './grid_view.js';
import { LARGEST_64, parseNumber, randomSeed } from './numbers.js';
import { buildSheet } from './print_sheet.js';

const MAX_COUNT = 1000;

const $ = (id) => document.getElementById(id);
const engine = new EngineClient();
// Hints have a worker of their own, so that they come at once while a long run goes on.
const hints = new EngineClient();
const board = new Board($('board'), { hint: (grid, later) => hints.hint(grid, later) });
let set = null;

engine.ready.then(
  ({ version }) => {
    $('version').textContent = version;
  },
  (error) => {
    $('version').textContent = 'not loaded';
    $('form-error').textContent = error.message;
  },
);

// The form's request, or a message saying what is wrong with it.
function readForm() {
  const count = parseNumber($('count').value, 1n, BigInt(MAX_COUNT));
  if (count === null) {
    return { error: `How many: a whole number from 1 to ${MAX_COUNT}.` };
  }
  const seedText = $('seed').value.trim();
  const seed = seedText === '' ? randomSeed() : parseNumber(seedText);
  if (seed === null) {
    return { error: 'Seed: a whole number from 0 to 2^64 - 1, decimal or 0x-hex, or empty.' };
  }
  const start = parseNumber($('start').value);
  if (start === null || start > LARGEST_64 - count) {
    return { error: 'First number: a whole number, with the count below 2^64.' };
  }
  const difficultyClass = Number($('class').value);
  if (!difficultyClass) {
    return { error: 'Class: choose one of the list.' };
  }
  return { seed, start, count: Number(count), difficultyClass };
}

function showRequest(request) {
  $('class').value = String(request.difficultyClass);
  $('count').value = String(request.count);
  $('seed').value = request.seed.toString();
  $('start').value = request.start.toString();
  const address = new URLSearchParams({
    class: request.difficultyClass,
    count: request.count,
    seed: request.seed.toString(),
    start: request.start.toString(),
  });
  history.replaceState(null, '', `#${address}`);
}

function setRunning(running) {
  $('make').disabled = running;
  $('cancel').hidden = !running;
  $('progress-area').hidden = !running;
}

function summary() {
  const n = set.problems.length;
  const first = set.problems[0]?.index ?? set.start.toString();
  const last = set.problems[n - 1]?.index ?? first;
  const command =
    `cellwright-tool generate --class ${set.difficultyClass} --seed ${set.seed}` +
    (set.start !== 0n ? ` --start ${set.start}` : '') +
    ` --count ${n}`;
  $('set-summary').replaceChildren(
    `${n} problem${n === 1 ? '' : 's'} of class ${set.difficultyClass}, seed ${set.seed}, ` +
      `numbers ${first} to ${last}; the same as `,
    Object.assign(document.createElement('code'), { textContent: command }),
    '.',
  );
}

function openProblem(position, focus) {
  const problem = set.problems[position];
  board.show(problem, position + 1);
  $('solve-heading').textContent = `Solve ${problemTitle(problem, position + 1)}`;
  $('solve-section').hidden = false;
  document.querySelectorAll('.problem-button').forEach((button, k) => {
    button.setAttribute('aria-current', String(k === position));
  });
  if (focus) {
    board.select(board.selected);
    $('solve-section').scrollIntoView({ block: 'nearest' });
  }
}

function addProblems(problems) {
  const list = $('problem-list');
  for (const problem of problems) {
    const position = set.problems.length;
    set.problems.push(problem);
    const title = problemTitle(problem, position + 1);
    const button = document.createElement('button');
    button.type = 'button';
    button.className = 'problem-button';
    button.setAttribute('aria-label', `Solve problem ${title}`);
    button.append(Object.assign(document.createElement('span'), { textContent: title }));
    button.append(staticGrid(problem.givens));
    button.addEventListener('click', () => openProblem(position, true));
    const item = document.createElement('li');
    item.append(button);
    list.append(item);
  }
}

function rebuildSheet() {
  if (set) {
    buildSheet($('print-sheet'), set, {
      perPage: Number($('per-page').value),
      answers: $('answers').checked,
      title: $('sheet-title').value.trim(),
    });
  }
}

async function make(request) {
  showRequest(request);
  const { version, techniques } = await engine.ready.catch(() => ({ version: '', techniques: [] }));
  set = { ...request, version, techniques, problems: [] };
  $('problem-list').replaceChildren();
  $('sheet-title').placeholder = `Sudoku, class ${request.difficultyClass}`;
  $('set-section').hidden = false;
  $('solve-section').hidden = true;
  $('progress').max = request.count;
  $('progress').value = 0;
  $('run-status').textContent = `Making ${request.count} problems…`;
  setRunning(true);
  try {
    const result = await engine.generate(request, (problems, done) => {
      const first = set.problems.length === 0;
      addProblems(problems);
      $('progress').value = done;
      $('progress-text').textContent = `${done} of ${request.count}`;
      if (first) {
        openProblem(0, false);
      }
    });
    const n = set.problems.length;
    $('run-status').textContent = result.cancelled
      ? `Cancelled: ${n} of ${request.count} problems made.`
      : `Made ${n} problems in ${(result.elapsedMs / 1000).toFixed(2)} s.`;
    $('run-status').dataset.elapsedMs = String(result.elapsedMs);
  } catch (error) {
    $('run-status').textContent = `Stopped: ${error.message}`;
  } finally {
    setRunning(false);
    summary();
    rebuildSheet();
  }
}

$('make-form').addEventListener('submit', (event) => {
  event.preventDefault();
  const request = readForm();
  $('form-error').textContent = request.error ?? '';
  if (!request.error) {
    make(request);
  }
});
$('cancel').addEventListener('click', () => engine.cancel());
$('per-page').addEventListener('change', rebuildSheet);
$('answers').addEventListener('change', rebuildSheet);
$('sheet-title').addEventListener('change', rebuildSheet);
$('print').addEventListener('click', () => {
  rebuildSheet();
  window.print();
});
window.addEventListener('beforeprint', rebuildSheet);
$('download').addEventListener('click', () => {
  const format = $('download-format').value;
  const blob = new Blob([formatSet(set, format)], { type: mediaType(format) });
  const link = Object.assign(document.createElement('a'), {
    href: URL.createObjectURL(blob),
    download: fileName(set, format),
  });
  document.body.append(link);
  link.click();
  link.remove();
  setTimeout(() => URL.revokeObjectURL(link.href), 0);
});

// A set named by the address is made again at once.
const wanted = new URLSearchParams(location.hash.slice(1));
if (wanted.has('seed')) {
  for (const name of ['class', 'count', 'seed', 'start']) {
    if (wanted.has(name)) {
      $(name).value = wanted.get(name);
    }
  }
  $('make-form').requestSubmit();
}
