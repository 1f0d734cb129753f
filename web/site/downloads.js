// A set of problems as the files `cellwright-tool generate` writes: problem lines (dat), lines
// of 81 characters, JSON Lines and CSV, with the same fields in the same order, so the two
// are one source of data. No page in here, so it is tested apart from the page.
//
// A set: {seed, difficultyClass, version, techniques, problems}; a problem as the worker
// sends it: {index, grade, difficultyClass, score, counters, givens, solution, hardest, steps,
// problemLine}.

// 64-bit numbers are written as the digits they are, never rounded through a double.
class Whole {
  constructor(digits) {
    this.digits = String(digits);
  }
}

// The fields of a problem's record, in the order the tool writes them.
function fields(set, problem) {
  return [
    ['index', new Whole(problem.index)],
    ['seed', new Whole(set.seed)],
    ['class', problem.difficultyClass],
    ['grade', problem.grade],
    ['score', problem.score],
    ['counters', Object.entries(problem.counters)],
    ['givens', problem.givens],
    ['solution', problem.solution],
    ['hardest', problem.hardest ? problem.hardest.key : null],
    ['steps', Object.entries(problem.steps)],
    ['version', set.version],
  ];
}

function jsonValue(value) {
  if (value instanceof Whole) {
    return value.digits;
  }
  if (Array.isArray(value)) {
    return `{${value.map(([name, inner]) => `${JSON.stringify(name)}: ${jsonValue(inner)}`).join(', ')}}`;
  }
  return JSON.stringify(value);
}

// A CSV field, quoted when it holds a comma, a quote or a line break.
function csvField(text) {
  return /[",\r\n]/.test(text) ? `"${text.replace(/"/g, '""')}"` : text;
}

// One CSV column per field, the counters spread over one column each, and the steps over
// one column for each technique, so that every line has the same columns.
function csvColumns(set, problem) {
  return fields(set, problem).flatMap(([name, value]) => {
    if (name === 'steps') {
      return set.techniques.map(({ key }) => [key, problem.steps[key] ?? 0]);
    }
    return Array.isArray(value) ? value : [[name, value]];
  });
}

const FORMATS = {
  dat: {
    extension: 'dat',
    type: 'text/plain',
    write: (set) => set.problems.map((p) => `${p.problemLine}\n`).join(''),
  },
  line: {
    extension: 'txt',
    type: 'text/plain',
    write: (set) => set.problems.map((p) => `${p.givens}\n`).join(''),
  },
  json: {
    extension: 'jsonl',
    type: 'application/jsonl',
    write: (set) => set.problems.map((p) => `${jsonValue(fields(set, p))}\n`).join(''),
  },
  csv: {
    extension: 'csv',
    type: 'text/csv',
    write: (set) => {
      if (set.problems.length === 0) {
        return '';
      }
      const header = csvColumns(set, set.problems[0]).map(([name]) => csvField(name));
      const rows = set.problems.map((p) =>
        csvColumns(set, p).map(([, value]) =>
          csvField(value instanceof Whole ? value.digits : String(value ?? '')),
        ),
      );
      return [header, ...rows].map((row) => `${row.join(',')}\n`).join('');
    },
  },
};

export const DOWNLOAD_FORMATS = Object.keys(FORMATS);

// The text of `set` in `format` (one of DOWNLOAD_FORMATS).
export function formatSet(set, format) {
  return FORMATS[format].write(set);
}

// A file name that says what the set is: cellwright-class3-seed7-0-9.jsonl.
export function fileName(set, format) {
  const first = set.problems.length ? set.problems[0].index : '0';
  const last = set.problems.length ? set.problems[set.problems.length - 1].index : '0';
  return `cellwright-class${set.difficultyClass}-seed${set.seed}-${first}-${last}.${FORMATS[format].extension}`;
}

// The MIME type of a download in `format`.
export function mediaType(format) {
  return `${FORMATS[format].type};charset=utf-8`;
}
