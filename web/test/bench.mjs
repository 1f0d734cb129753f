// Problems per second in the browser's worker against the native cellwright-tool generate on
// one thread, the same problems on the same machine, runs of the two taken in turn.
//   node bench.mjs [COUNT] [ROUNDS]     (npm run bench -- 500 5)
// Each figure is the median of its rounds. The browser's time is the worker's own, from its
// first problem to its last; the native one is what generate --stats reports.

import { spawnSync } from 'node:child_process';

import { SITE_DIR, TOOL, launch, openPage } from './browser.mjs';
import { serve } from './server.mjs';

const COUNT = Number(process.argv[2] ?? 300);
const ROUNDS = Number(process.argv[3] ?? 3);
const SEED = 7;

function median(values) {
  const sorted = [...values].sort((a, b) => a - b);
  return sorted[Math.floor(sorted.length / 2)];
}

function nativeRate(difficultyClass) {
  const args = ['generate', '--class', String(difficultyClass), '--count', String(COUNT),
                '--seed', String(SEED), '--jobs', '1', '--stats'];
  const run = spawnSync(TOOL, args, { encoding: 'utf8', stdio: ['ignore', 'ignore', 'pipe'] });
  const rate = /problems per second: ([\d.]+)/.exec(run.stderr);
  if (run.status !== 0 || !rate) {
    throw new Error(`${TOOL} ${args.join(' ')}: ${run.stderr || run.error}`);
  }
  return Number(rate[1]);
}

async function browserRate(page, difficultyClass) {
  const elapsedMs = await page.evaluate(
    async ({ seed, count, difficultyClass }) => {
      const { EngineClient } = await import('./engine_client.js');
      const client = new EngineClient();
      const run = await client.generate(
        { seed: BigInt(seed), start: 0n, count, difficultyClass },
        () => {},
      );
      client.worker.terminate();
      return run.elapsedMs;
    },
    { seed: SEED, count: COUNT, difficultyClass },
  );
  return (COUNT * 1000) / elapsedMs;
}

const site = await serve(SITE_DIR);
const browser = await launch();
try {
  const page = await openPage(browser);
  await page.goto(site.url);
  console.log(`${COUNT} problems a run, seed ${SEED}, median of ${ROUNDS} rounds`);
  console.log('class  native/s  browser/s  browser/native');
  for (const difficultyClass of [1, 2, 3, 4, 5]) {
    const native = [];
    const web = [];
    for (let round = 0; round < ROUNDS; ++round) {
      native.push(nativeRate(difficultyClass));
      web.push(await browserRate(page, difficultyClass));
    }
    const [n, w] = [median(native), median(web)];
    console.log(
      `${String(difficultyClass).padStart(5)}  ${n.toFixed(1).padStart(8)}  ${w.toFixed(1).padStart(9)}` +
        `  ${(w / n).toFixed(2).padStart(14)}`,
    );
  }
} finally {
  await browser.close();
  await site.close();
}
