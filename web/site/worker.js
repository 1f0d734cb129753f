// The engine's thread: loads the WebAssembly engine and makes problems and hints on request,
// so the page never waits on it. A run is stopped by ending this worker (engine_client.js),
// since a problem being made cannot be interrupted.
//
// Messages in:  {type: 'generate', seed, start, count, difficultyClass}  (numbers as strings)
//               {type: 'hint', grid, later}   (81 characters; step `later` from it, 0 next)
// Messages out: {type: 'ready', version, techniques} once; per run some
//               {type: 'problems', problems, done} and one {type: 'done', elapsedMs}; per
//               hint one {type: 'hint', hint}; {type: 'error', message} when the engine
//               cannot load or a request is refused.

import createCellwright from './cellwright.js';
import { halves } from './numbers.js';

// How often the page hears of a run's progress.
const REPORT_EVERY_MS = 100;

const COUNTER_NAMES = [
  'box_single_passes',
  'locked_candidate_sweeps',
  'naked_single_scans',
  'line_single_passes',
  'naked_pair_sweeps',
  'naked_triple_sweeps',
];
const HINT_STATUS = ['step', 'solved', 'stalled', 'contradiction'];

// The engine with its buffers and its techniques ({key, name}, by number).
function open(engine) {
  const techniques = [];
  for (let number = 0; number < engine._cw_technique_count(); ++number) {
    techniques.push({
      key: engine.UTF8ToString(engine._cw_technique_key(number)),
      name: engine.UTF8ToString(engine._cw_technique_name(number)),
    });
  }
  return {
    engine,
    techniques,
    problem: engine._malloc(engine._cw_problem_size()),
    hint: engine._malloc(engine._cw_hint_size()),
    grid: engine._malloc(81),
  };
}

function text(engine, address, length) {
  return String.fromCharCode(...engine.HEAPU8.subarray(address, address + length));
}

// The record cw_generate_problem wrote (its layout is drawn in engine_exports.cpp), with the
// fields cellwright-tool generate writes: no score beyond class 3, steps only of the
// techniques used.
function readProblem(session, index) {
  const { engine, techniques, problem } = session;
  const numbers = new Int32Array(engine.HEAPU8.buffer, problem, 10 + techniques.length);
  const counters = {};
  COUNTER_NAMES.forEach((name, i) => {
    counters[name] = numbers[3 + i];
  });
  const steps = {};
  techniques.forEach(({ key }, i) => {
    if (numbers[10 + i] !== 0) {
      steps[key] = numbers[10 + i];
    }
  });
  const cells = problem + 4 * numbers.length;
  const difficultyClass = numbers[1];
  return {
    index: index.toString(),
    grade: numbers[0],
    difficultyClass,
    score: difficultyClass <= 3 ? numbers[2] : null,
    counters,
    hardest: numbers[9] >= 0 ? techniques[numbers[9]] : null,
    steps,
    givens: text(engine, cells, 81),
    solution: text(engine, cells + 81, 81),
    problemLine: engine.UTF8ToString(cells + 162),
  };
}

function generate(session, request) {
  const seed = BigInt(request.seed);
  const start = BigInt(request.start);
  const count = Number(request.count);
  const [seedHigh, seedLow] = halves(seed);
  const began = performance.now();
  let lastReport = began;
  let pending = [];
  for (let n = 0; n < count; ++n) {
    const index = start + BigInt(n);
    const [indexHigh, indexLow] = halves(index);
    const made = session.engine._cw_generate_problem(
      seedHigh, seedLow, indexHigh, indexLow, request.difficultyClass, session.problem);
    if (!made) {
      postMessage({ type: 'error', message: `class ${request.difficultyClass} cannot be made` });
      return;
    }
    pending.push(readProblem(session, index));
    const now = performance.now();
    if (now - lastReport >= REPORT_EVERY_MS || n + 1 === count) {
      postMessage({ type: 'problems', problems: pending, done: n + 1 });
      pending = [];
      lastReport = now;
    }
  }
  postMessage({ type: 'done', elapsedMs: performance.now() - began });
}

// (cell, digits) pairs from `numbers` at `at`, the digits as a list.
function cellDigits(numbers, at, count) {
  const cells = [];
  for (let k = 0; k < count; ++k) {
    const bits = numbers[at + 2 * k + 1];
    const digits = [];
    for (let digit = 1; digit <= 9; ++digit) {
      if (bits & (1 << (digit - 1))) {
        digits.push(digit);
      }
    }
    cells.push({ cell: numbers[at + 2 * k], digits });
  }
  return cells;
}

// Step `later` from `grid` as cw_hint wrote it (engine_exports.cpp draws the layout).
function hint(session, grid, later) {
  const { engine, techniques } = session;
  engine.HEAPU8.set(Uint8Array.from(grid, (c) => (c >= '1' && c <= '9' ? Number(c) : 0)),
                    session.grid);
  const textAt = engine._cw_hint(session.grid, later, session.hint);
  const numbers = new Int32Array(engine.HEAPU8.buffer, session.hint, (textAt - session.hint) >> 2);
  const [status, technique, placedCell, placedDigit, patternCount, eliminationCount, unitCount] =
    numbers;
  const eliminationsAt = 7 + 2 * patternCount;
  const unitsAt = eliminationsAt + 2 * eliminationCount;
  return {
    status: HINT_STATUS[status],
    text: engine.UTF8ToString(textAt),
    technique: technique >= 0 ? techniques[technique] : null,
    placedCell,
    placedDigit,
    pattern: cellDigits(numbers, 7, patternCount),
    eliminations: cellDigits(numbers, eliminationsAt, eliminationCount),
    units: Array.from(numbers.subarray(unitsAt, unitsAt + unitCount)),
  };
}

createCellwright().then(
  (engine) => {
    const session = open(engine);
    onmessage = (event) => {
      const request = event.data;
      if (request.type === 'generate') {
        generate(session, request);
      } else if (request.type === 'hint') {
        postMessage({ type: 'hint', hint: hint(session, request.grid, request.later) });
      }
    };
    postMessage({
      type: 'ready',
      version: engine.UTF8ToString(engine._cw_version()),
      techniques: session.techniques,
    });
  },
  (error) => postMessage({ type: 'error', message: `the engine did not load: ${error}` }),
);
