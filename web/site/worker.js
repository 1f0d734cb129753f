// The engine's thread: loads the WebAssembly engine and makes problems on request, so the
// page never waits on it. A run is stopped by ending this worker (engine_client.js), since a
// problem being made cannot be interrupted.
//
// Messages in:  {type: 'generate', seed, start, count, difficultyClass}  (numbers as strings)
// Messages out: {type: 'ready', version} once, then per run some
//               {type: 'problems', problems: [...], done} and one {type: 'done', elapsedMs};
//               {type: 'error', message} when the engine cannot load or a request is refused.

import createCellwright from './cellwright.js';
import { halves } from './numbers.js';

// How often the page hears of a run's progress.
const REPORT_EVERY_MS = 100;

// The byte offsets of the record cw_generate_problem writes (engine_exports.cpp).
const PROBLEM_GIVENS = 36;
const PROBLEM_SOLUTION = 117;
const PROBLEM_LINE = 198;
const COUNTER_NAMES = [
  'box_single_passes',
  'locked_candidate_sweeps',
  'naked_single_scans',
  'line_single_passes',
  'naked_pair_sweeps',
  'naked_triple_sweeps',
];

function readProblem(engine, record, index) {
  const words = new Int32Array(engine.HEAPU8.buffer, record, 9);
  const text = (offset, length) =>
    String.fromCharCode(...engine.HEAPU8.subarray(record + offset, record + offset + length));
  const counters = {};
  COUNTER_NAMES.forEach((name, i) => {
    counters[name] = words[3 + i];
  });
  return {
    index: index.toString(),
    grade: words[0],
    difficultyClass: words[1],
    score: words[2],
    counters,
    givens: text(PROBLEM_GIVENS, 81),
    solution: text(PROBLEM_SOLUTION, 81),
    problemLine: engine.UTF8ToString(record + PROBLEM_LINE),
  };
}

function generate(engine, record, request) {
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
    if (!engine._cw_generate_problem(seedHigh, seedLow, indexHigh, indexLow,
                                     request.difficultyClass, record)) {
      postMessage({ type: 'error', message: `class ${request.difficultyClass} cannot be made` });
      return;
    }
    pending.push(readProblem(engine, record, index));
    const now = performance.now();
    if (now - lastReport >= REPORT_EVERY_MS || n + 1 === count) {
      postMessage({ type: 'problems', problems: pending, done: n + 1 });
      pending = [];
      lastReport = now;
    }
  }
  postMessage({ type: 'done', elapsedMs: performance.now() - began });
}

createCellwright().then(
  (engine) => {
    const record = engine._malloc(engine._cw_problem_size());
    onmessage = (event) => {
      if (event.data.type === 'generate') {
        generate(engine, record, event.data);
      }
    };
    postMessage({ type: 'ready', version: engine.UTF8ToString(engine._cw_version()) });
  },
  (error) => postMessage({ type: 'error', message: `the engine did not load: ${error}` }),
);
