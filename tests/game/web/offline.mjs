// The game's site played without a network in Chromium: the first visit leaves the service worker
// keeping the site's files, taken from what the page fetched, and with the network cut and the
// server gone a reload still shows the board and a click still uncovers a card. A site whose
// program cannot be loaded says so rather than staying blank.
//
//   node offline.mjs <site folder>
//
// Ends with 0 when every check held, 1 with the first one that failed.
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';

import {launch} from '../../support/web/browsers.mjs';
import {serve} from '../../support/web/serve.mjs';
import {
  cards, covered, expectNow, expectSoon, isFace, openGame, runSteps, texts,
} from './page.mjs';

const [folder] = process.argv.slice(2);
if (!folder) {
  console.error('usage: node offline.mjs <site folder>');
  process.exit(2);
}

const browser = await launch('chromium');
const site = await serve(folder);
const {page} = browser;

// The script of the service worker that answers the page's requests, or null.
const controller = () => page.evaluate(() => navigator.serviceWorker.controller?.scriptURL ?? null);

async function firstVisit() {
  await openGame(browser, site.url);
  // The worker is active once it has kept every file; it takes the page that installed it.
  const active = await page.evaluate(() => Promise.race([
    navigator.serviceWorker.ready.then((ready) => ready.active.scriptURL),
    new Promise((done) => setTimeout(() => done(null), 15000)),
  ]));
  expectNow('the active service worker', active, `${site.url}sw.js`);
  // The worker keeps what the page fetched already rather than downloading it a second time.
  const answers = (wanted) => site.served.filter(({path}) => path === wanted).length;
  expectNow('the server\'s answers for the page and the program once the worker is active',
            [answers('/'), answers('/vandro.wasm')], [1, 1]);
  if (!(await controller()))
    await openGame(browser, site.url);
  await expectSoon('the service worker controls the page', controller, `${site.url}sw.js`);
}

// A click uncovers the first card and leaves the others covered.
async function uncoverFirst(what) {
  await browser.click(cards, 0);
  await expectSoon(what, async () => {
    const shown = await texts(browser, cards);
    return [isFace(shown[0]), shown.slice(1)];
  }, [true, Array(19).fill(covered)]);
}

async function offline() {
  await uncoverFirst('online, a click uncovers the first card');
  await page.setOfflineMode(true);
  await site.close();
  const reached = await fetch(site.url).then(() => 'answered', () => 'unreachable');
  expectNow('the server after it stopped', reached, 'unreachable');
  const response = await page.reload({waitUntil: 'load'});
  expectNow('the reload answered by the service worker', response?.fromServiceWorker(), true);
  await expectSoon('the reloaded board', () => texts(browser, cards), Array(20).fill(covered), 30);
  await uncoverFirst('offline, a click uncovers the first card');
}

// A server without the program's WebAssembly: the page says the program has ended and offers to
// start it again, and leaves no failure unhandled on the way (runSteps fails on the page's errors).
async function withoutTheProgram() {
  const copy = fs.mkdtempSync(path.join(os.tmpdir(), 'vandro-site-'));
  fs.cpSync(folder, copy, {recursive: true});
  fs.rmSync(path.join(copy, 'vandro.wasm'));
  const broken = await serve(copy);
  try {
    await browser.goto(broken.url);
    await expectSoon('the page without its program', () => page.evaluate(() => [
      document.getElementById('vandro-desktop').hidden,
      document.getElementById('vandro-ended').hidden,
      document.getElementById('vandro-ended').innerText.trim().split('\n')[0],
    ]), [true, false, 'Vandro ist beendet.']);
  } finally {
    await broken.close();
    fs.rmSync(copy, {recursive: true});
  }
}

await runSteps('chromium', browser, site, [
  ['without its WebAssembly', withoutTheProgram], ['the first visit', firstVisit],
  ['without a network', offline],
]);
