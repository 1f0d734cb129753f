// The page's side of the engine's worker: one run at a time, with progress, and a cancel
// that ends the worker at once and starts a fresh one for the next run; and hints, answered
// in order.

export class EngineClient {
  constructor(url = new URL('./worker.js', import.meta.url)) {
    this.url = url;
    this.run = null;
    this.hints = [];
    this.start();
  }

  // Starts a worker; `ready` resolves to {version, techniques} once the engine has loaded.
  start() {
    this.worker = new Worker(this.url, { type: 'module' });
    this.ready = new Promise((resolve, reject) => {
      this.worker.onmessage = (event) => {
        const message = event.data;
        if (message.type === 'ready') {
          resolve({ version: message.version, techniques: message.techniques });
        } else if (message.type === 'error' && !this.run) {
          reject(new Error(message.message));
        } else {
          this.receive(message);
        }
      };
      this.worker.onerror = (event) => {
        event.preventDefault();
        const error = new Error(`the engine's worker failed: ${event.message || 'no reason given'}`);
        this.fail(error);
        reject(error);
      };
    });
    // A failure to load is reported to whoever awaits `ready`; never left unhandled.
    this.ready.catch(() => {});
  }

  // Makes `count` problems of `difficultyClass` from number `start` of the run seeded with
  // `seed` (BigInts for the two numbers). `onProblems(problems, done)` hears of each group as
  // it is made. Resolves to {cancelled, elapsedMs}; rejects when the engine fails.
  async generate({ seed, start, count, difficultyClass }, onProblems) {
    if (this.run) {
      throw new Error('a run is already under way');
    }
    await this.ready;
    return new Promise((resolve, reject) => {
      this.run = { onProblems, resolve, reject };
      this.worker.postMessage({
        type: 'generate',
        seed: seed.toString(),
        start: start.toString(),
        count,
        difficultyClass,
      });
    });
  }

  // The next logical step from `grid` (81 characters, "." for empty), or with `later` the
  // step that many after it: resolves to the worker's {status, text, technique, placedCell,
  // placedDigit, pattern, eliminations, units}.
  async hint(grid, later = 0) {
    await this.ready;
    return new Promise((resolve, reject) => {
      this.hints.push({ resolve, reject });
      this.worker.postMessage({ type: 'hint', grid, later });
    });
  }

  // Stops the run under way, keeping what it made so far.
  cancel() {
    if (!this.run) {
      return;
    }
    const { resolve } = this.run;
    this.run = null;
    this.worker.terminate();
    this.dropHints(new Error('the engine was restarted'));
    this.start();
    resolve({ cancelled: true, elapsedMs: 0 });
  }

  dropHints(error) {
    for (const { reject } of this.hints.splice(0)) {
      reject(error);
    }
  }

  receive(message) {
    if (message.type === 'hint') {
      this.hints.shift()?.resolve(message.hint);
      return;
    }
    const run = this.run;
    if (!run) {
      return;
    }
    if (message.type === 'problems') {
      run.onProblems(message.problems, message.done);
    } else if (message.type === 'done') {
      this.run = null;
      run.resolve({ cancelled: false, elapsedMs: message.elapsedMs });
    } else if (message.type === 'error') {
      this.fail(new Error(message.message));
    }
  }

  fail(error) {
    this.dropHints(error);
    const run = this.run;
    this.run = null;
    if (run) {
      run.reject(error);
    }
  }
}
