// Debian's Chromium, headless, driven by playwright-core (which downloads no browser of its
// own), and where the tests find the page, the command-line tool and their artefacts.

import { dirname, join, resolve } from 'node:path';
import { fileURLToPath } from 'node:url';
import { chromium } from 'playwright-core';

const repository = resolve(dirname(fileURLToPath(import.meta.url)), '../..');

// The built page (scripts/build-web), the native cellwright-tool to compare with, and where
// screenshots go: each may be set from the environment.
export const SITE_DIR = resolve(process.env.CELLWRIGHT_WEB_DIR ?? join(repository, 'build-web/web'));
export const TOOL = resolve(
  process.env.CELLWRIGHT_TOOL ?? join(repository, 'build/tools/cellwright-tool'),
);
export const ARTIFACTS_DIR = resolve(
  process.env.CELLWRIGHT_WEB_ARTIFACTS ?? join(SITE_DIR, '..', 'artifacts'),
);

// Without the networking flags Chromium keeps calling out to hosts this machine cannot reach.
const FLAGS = [
  '--no-sandbox',
  '--disable-gpu',
  '--disable-quic',
  '--no-first-run',
  '--disable-background-networking',
  '--disable-component-update',
  '--disable-sync',
];

export function launch() {
  return chromium.launch({
    executablePath: process.env.CHROMIUM ?? '/usr/bin/chromium',
    args: FLAGS,
  });
}

// A new page that records every console error, uncaught exception and failed request in
// `page.problems`.
export async function openPage(browser, options = {}) {
  const context = await browser.newContext({ acceptDownloads: true, ...options });
  const page = await context.newPage();
  page.problems = [];
  page.on('console', (message) => {
    if (message.type() === 'error' || message.type() === 'warning') {
      page.problems.push(`console ${message.type()}: ${message.text()}`);
    }
  });
  page.on('pageerror', (error) => page.problems.push(`exception: ${error.message}`));
  page.on('requestfailed', (request) => page.problems.push(`failed: ${request.url()}`));
  page.on('response', (response) => {
    if (response.status() >= 400) {
      page.problems.push(`HTTP ${response.status()}: ${response.url()}`);
    }
  });
  return page;
}

// Waits until the run started last has ended; returns the run's status line.
export async function runEnded(page, timeout = 120000) {
  await page.waitForFunction(
    () => /^(Made|Cancelled|Stopped)/.test(document.getElementById('run-status').textContent),
    null,
    { timeout },
  );
  return page.textContent('#run-status');
}
