// The page in a real browser: it loads cleanly, makes the problems cellwright-tool makes,
// lets a problem be solved, prints with answer keys, and fits a phone.

import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { mkdirSync, readFileSync, readdirSync } from 'node:fs';
import { join } from 'node:path';
import { after, before, test } from 'node:test';
import { gzipSync } from 'node:zlib';

import { ARTIFACTS_DIR, SITE_DIR, TOOL, launch, openPage, runEnded } from './browser.mjs';
import { serve } from './server.mjs';

const SEED = '0xDEADBEEFCAFE';
const START = '1000';
const RUN = `#class=3&count=10&seed=${SEED}&start=${START}`;

let site;
let browser;
before(async () => {
  mkdirSync(ARTIFACTS_DIR, { recursive: true });
  site = await serve(SITE_DIR);
  browser = await launch();
});
after(async () => {
  await browser?.close();
  await site?.close();
});

function tool(...args) {
  return execFileSync(TOOL, args, { encoding: 'utf8' });
}

async function madeRun(options) {
  const page = await openPage(browser, options);
  await page.goto(site.url + RUN);
  assert.match(await runEnded(page), /^Made 10 problems/);
  return page;
}

async function download(page, format) {
  await page.selectOption('#download-format', format);
  const [file] = await Promise.all([page.waitForEvent('download'), page.click('#download')]);
  return { name: file.suggestedFilename(), text: readFileSync(await file.path(), 'utf8') };
}

test('the page makes the problems cellwright-tool generate makes, without a console error', async () => {
  const runs = [
    { difficultyClass: 3, count: 10, seed: SEED, start: START },
    { difficultyClass: 4, count: 3, seed: '7', start: '0' },
    { difficultyClass: 5, count: 3, seed: '7', start: '0' },
  ];
  for (const { difficultyClass, count, seed, start } of runs) {
    const name = `class ${difficultyClass}`;
    const page = await openPage(browser);
    await page.goto(`${site.url}#class=${difficultyClass}&count=${count}&seed=${seed}&start=${start}`);
    assert.match(await runEnded(page), new RegExp(`^Made ${count} problems`), name);
    assert.match(await page.textContent('#version'), /^\d+\.\d+\.\d+$/);
    assert.equal(await page.locator('.problem-button').count(), count, name);
    const cli = ['generate', '--class', String(difficultyClass), '--count', String(count),
                 '--seed', seed, '--start', start];
    for (const format of ['dat', 'line', 'json']) {
      const file = await download(page, format);
      assert.equal(file.text, tool(...cli, '--format', format), `${name}, ${format} download`);
    }
    // The CSV holds the JSON records' values: a column per field, per counter and per
    // technique, with empty cells for nulls and 0 for techniques not used.
    const csv = await download(page, 'csv');
    assert.match(csv.name, new RegExp(`^cellwright-class${difficultyClass}-seed\\d+-\\d+-\\d+\\.csv$`));
    const lines = csv.text.trimEnd().split('\n');
    const records = tool(...cli, '--format', 'json').trimEnd().split('\n').map((l) => JSON.parse(l));
    const header = lines[0].split(',');
    assert.equal(lines.length, count + 1, name);
    records.forEach((record, k) => {
      const row = Object.fromEntries(lines[k + 1].split(',').map((cell, i) => [header[i], cell]));
      const { counters, steps, ...fields } = record;
      const expected = { ...fields, ...counters };
      for (const column of header) {
        const value = column in expected ? expected[column] : (steps[column] ?? 0);
        assert.equal(row[column], String(value ?? ''), `${name}, CSV row ${k + 1}, ${column}`);
      }
    });
    if (difficultyClass === 3) {
      await page.screenshot({ path: join(ARTIFACTS_DIR, 'page.png'), fullPage: true });
    }
    assert.deepEqual(page.problems, [], name);
    await page.context().close();
  }
});

test('a wrong entry is flagged by a check, pencil marks and undo behave', async () => {
  const page = await madeRun();
  const cells = page.locator('.board-cell');
  // The board starts on the first empty cell; the JSON record gives its solution digit.
  const record = JSON.parse(
    tool('generate', '--class', '3', '--count', '1', '--seed', SEED, '--start', START, '--format', 'json'),
  );
  const first = record.givens.indexOf('.');
  const right = Number(record.solution[first]);
  const wrong = (right % 9) + 1;
  const cell = cells.nth(first);
  await cell.focus();
  await page.keyboard.press(`Digit${wrong}`);
  await page.keyboard.press('c');
  assert.equal(await cell.getAttribute('aria-invalid'), 'true');
  assert.match(await cell.getAttribute('aria-label'), new RegExp(`: ${wrong}, wrong$`));
  assert.equal(await page.textContent('.board-status'), '1 entry is wrong.');

  await page.keyboard.press(`Digit${right}`);
  assert.equal(await cell.getAttribute('aria-invalid'), null);
  await page.keyboard.press('Control+z');
  assert.match(await cell.getAttribute('aria-label'), new RegExp(`: ${wrong}$`));
  await page.keyboard.press('Backspace');
  await page.keyboard.press('Shift+Digit3');
  await page.keyboard.press('Shift+Digit1');
  assert.match(await cell.getAttribute('aria-label'), /: pencil marks 1 3$/);

  // Arrow keys move the one focusable cell; a given cannot be changed.
  const given = record.givens.search(/[1-9]/);
  await page.locator('.board-cell').nth(given).click();
  await page.keyboard.press(`Digit${wrong}`);
  assert.equal(await page.textContent('.board-status'), 'That cell is given.');
  await page.keyboard.press(given % 9 === 8 ? 'ArrowLeft' : 'ArrowRight');
  const moved = given % 9 === 8 ? given - 1 : given + 1;
  assert.equal(await cells.nth(moved).getAttribute('tabindex'), '0');
  assert.equal(await page.locator('.board-cell[tabindex="0"]').count(), 1);
  assert.deepEqual(page.problems, []);
});

test('a hint gives the next step of explain --first and lights its cells, then the steps after; a wrong entry comes first', async () => {
  const page = await madeRun();
  const cells = page.locator('.board-cell');
  let grid = JSON.parse(
    tool('generate', '--class', '3', '--count', '1', '--seed', SEED, '--start', START, '--format', 'json'),
  ).givens;
  // Follow five hints, entering each placement, against the tool's next step for each grid.
  for (let round = 1; round <= 5; ++round) {
    const expected = JSON.parse(
      execFileSync(TOOL, ['explain', '--first', '--format', 'json', '-'], { input: `${grid}\n`, encoding: 'utf8' }),
    );
    assert.equal(expected.status, 'step');
    await page.click('.tool-hint');
    await page.waitForFunction(() => document.querySelector('.board-status').textContent.startsWith('Hint'));
    assert.equal(await page.textContent('.board-status'), `Hint: ${expected.text}`, `hint ${round}`);
    const { placement } = expected.steps[0];
    const [, row, column] = /^r(\d)c(\d)$/.exec(placement.cell).map(Number);
    const cell = cells.nth((row - 1) * 9 + column - 1);
    assert.match(await cell.getAttribute('class'), /hint-target/, `hint ${round}`);
    assert.match(await cell.getAttribute('aria-label'), /changed by the hint$/);
    await cell.click();
    await page.keyboard.press(`Digit${placement.digit}`);
    assert.equal(await page.locator('.hint-target').count(), 0, 'a move puts the hint out');
    grid = expected.grid;
  }
  // Asked again before a move, the hint goes on to the step after: the second of explain's.
  const steps = JSON.parse(
    execFileSync(TOOL, ['explain', '--format', 'json', '-'], { input: `${grid}\n`, encoding: 'utf8' }),
  ).steps;
  for (const [k, prefix] of [[0, 'Hint'], [1, 'Then'], [2, 'Then']]) {
    await page.click('.tool-hint');
    await page.waitForFunction(
      (text) => document.querySelector('.board-status').textContent === text,
      `${prefix}: ${steps[k].text}`,
    );
  }
  // A wrong entry is flagged, and no step is offered from it.
  const empty = grid.indexOf('.');
  const solution = JSON.parse(
    tool('generate', '--class', '3', '--count', '1', '--seed', SEED, '--start', START, '--format', 'json'),
  ).solution;
  await cells.nth(empty).click();
  await page.keyboard.press(`Digit${(Number(solution[empty]) % 9) + 1}`);
  await page.keyboard.press('h');
  assert.equal(await page.textContent('.board-status'), 'Fix the wrong entry first.');
  assert.equal(await cells.nth(empty).getAttribute('aria-invalid'), 'true');
  assert.deepEqual(page.problems, []);
});

test('cancel stops a long run at once and keeps what it made', async () => {
  const page = await openPage(browser);
  await page.goto(site.url);
  await page.selectOption('#class', '3');
  await page.fill('#count', '1000');
  await page.click('#make');
  await page.waitForFunction(() => document.querySelectorAll('.problem-button').length > 0);
  await page.click('#cancel');
  const status = await runEnded(page);
  const made = await page.locator('.problem-button').count();
  assert.equal(status, `Cancelled: ${made} of 1000 problems made.`);
  assert.ok(made < 1000, status);
  assert.equal(await page.isDisabled('#make'), false);
  // A fresh worker takes the next run.
  await page.fill('#count', '2');
  await page.click('#make');
  assert.match(await runEnded(page), /^Made 2 problems/);
  assert.deepEqual(page.problems, []);
});

test('the print view has the puzzle pages, then the answer pages', async () => {
  const page = await madeRun();
  const cases = [
    { perPage: '4', answers: true, puzzles: 3, keys: 1 },
    { perPage: '6', answers: true, puzzles: 2, keys: 1 },
    { perPage: '1', answers: false, puzzles: 10, keys: 0 },
  ];
  for (const { perPage, answers, puzzles, keys } of cases) {
    const name = `${perPage} a page${answers ? ' with answers' : ''}`;
    await page.emulateMedia({ media: 'screen' });
    await page.selectOption('#per-page', perPage);
    await page.setChecked('#answers', answers);
    await page.emulateMedia({ media: 'print' });
    assert.equal(await page.locator('.sheet-page.puzzles:visible').count(), puzzles, name);
    assert.equal(await page.locator('.sheet-page.answers:visible').count(), keys, name);
    assert.equal(await page.locator('main').isVisible(), false, name);
    // Each sheet page is one printed page, on A4 and on letter alike.
    for (const format of ['A4', 'Letter']) {
      const pdf = (await page.pdf({ format })).toString('latin1');
      const pages = pdf.match(/\/Type\s*\/Page[^s]/g).length;
      assert.equal(pages, puzzles + keys, `${name}, ${format}`);
    }
  }
  await page.emulateMedia({ media: 'screen' });
  await page.selectOption('#per-page', '4');
  await page.setChecked('#answers', true);
  await page.emulateMedia({ media: 'print' });
  const answers = page.locator('.sheet-page.answers .sheet-item');
  assert.equal(await answers.count(), 10);
  assert.equal(await answers.nth(9).locator('figcaption').textContent(), '10');
  await page.screenshot({ path: join(ARTIFACTS_DIR, 'print.png'), fullPage: true });
  await page.pdf({ path: join(ARTIFACTS_DIR, 'print.pdf'), format: 'A4' });
});

test('the page fits a phone screen', async () => {
  const page = await madeRun({ viewport: { width: 360, height: 740 }, isMobile: true, hasTouch: true });
  const width = await page.evaluate(() => document.documentElement.scrollWidth);
  assert.ok(width <= 360, `the page is ${width} pixels wide`);
  const board = await page.locator('.board').boundingBox();
  assert.ok(board.width >= 300 && board.x >= 0 && board.x + board.width <= 360, JSON.stringify(board));
  // The keypad writes into the board's chosen cell, its first empty one.
  await page.locator('.key').nth(4).tap();
  assert.match(await page.locator('.board-cell.selected').getAttribute('aria-label'), /: 5$/);
  await page.screenshot({ path: join(ARTIFACTS_DIR, 'phone.png'), fullPage: true });
  assert.deepEqual(page.problems, []);
});

test('the engine and the scripts come to at most 300 KB compressed', () => {
  const files = readdirSync(SITE_DIR).filter((name) => /\.(wasm|js)$/.test(name));
  assert.ok(files.includes('cellwright.wasm'));
  const compressed = files.reduce(
    (sum, name) => sum + gzipSync(readFileSync(join(SITE_DIR, name)), { level: 9 }).length,
    0,
  );
  assert.ok(compressed <= 300 * 1024, `${compressed} bytes`);
});
