// What the game's page costs in Chromium, beside anchor.html (the same board built by hand with
// plain DOM calls) measured in the same run: the bytes a first visit transfers, the time from
// navigation to the first board drawn, an 11 x 10 rebuild and a card press each until drawn,
// and the page's memory over many rebuilds. Times are reported as ratios to the anchor's, so
// that a loaded machine slows both alike; run it more than once and compare.
//
//   node bench.mjs <site folder> [rounds]     rounds of rebuilds and presses, 25 by default
//
// Every time runs in the page from an input event or the navigation's start until the frame
// after the board shows what is expected has been painted (requestAnimationFrame, then a task).
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import zlib from 'node:zlib';
import {fileURLToPath} from 'node:url';

import {launch} from '../../tests/support/web/browsers.mjs';
import {serve} from '../../tests/support/web/serve.mjs';
import {barEntries, openItems} from '../../tests/game/web/page.mjs';

const [folder, roundsText] = process.argv.slice(2);
const rounds = Number(roundsText || 25);
if (!folder || !Number.isInteger(rounds) || rounds < 1) {
  console.error('usage: node bench.mjs <site folder> [rounds, at least 1]');
  process.exit(2);
}
const cards = '#vandro-desktop .vandro-window .vandro-button';
const viewport = {width: 1024, height: 768};
const transferBudget = 300 * 1024;
const startRuns = 5;
const memoryRebuilds = 100;

// Runs in both pages before their own scripts: the times at which boards are drawn.
function instrument() {
  const cards = '#vandro-desktop .vandro-window .vandro-button';
  let pressedAt = 0;
  addEventListener('click', () => { pressedAt = performance.now(); }, true);
  const afterFrame = () => new Promise((done) => requestAnimationFrame(() => {
    const channel = new MessageChannel();
    channel.port1.onmessage = () => done(performance.now());
    channel.port2.postMessage(0);
  }));
  // Settles at the first moment the page's elements make the condition hold.
  const when = (holds) => new Promise((done) => {
    if (holds())
      return done();
    const watch = new MutationObserver(() => {
      if (holds()) {
        watch.disconnect();
        done();
      }
    });
    watch.observe(document, {childList: true, subtree: true, characterData: true,
                             attributes: true});
  });
  // A shown window of that many cards, other than the one given.
  const board = (count, other) => [...document.querySelectorAll('#vandro-desktop .vandro-window')]
    .find((frame) => frame !== other && !frame.hidden &&
                     frame.querySelectorAll('.vandro-button').length === count);
  // Since the last click: when the elements were there, and when they were drawn.
  const timed = (there) => there.then(() => {
    const built = performance.now() - pressedAt;
    return afterFrame().then((at) => ({built, drawn: at - pressedAt}));
  });
  let waiting = null;
  window.vandroBench = {
    firstBoard: when(() => board(20)).then(afterFrame),
    firstWindow: when(() => document.querySelector('#vandro-desktop .vandro-window'))
      .then(() => performance.now()),
    // Arms the wait for a new board of that many cards, timed from the next click.
    awaitBoard(count) {
      const before = board(count);
      waiting = timed(when(() => board(count, before)));
    },
    // Arms the wait for the card to show something else, timed from the next click.
    awaitCard(index) {
      const card = document.querySelectorAll(cards)[index];
      const before = card.textContent;
      waiting = timed(when(() => card.textContent !== before));
    },
    result: () => waiting,
    texts: (count) => [...document.querySelectorAll(cards)].slice(0, count)
      .map((card) => card.textContent),
  };
}

function median(values) {
  const sorted = [...values].sort((a, b) => a - b);
  const middle = sorted.length >> 1;
  return sorted.length % 2 ? sorted[middle] : (sorted[middle - 1] + sorted[middle]) / 2;
}

// Median and spread (the middle half) of a list of milliseconds.
function summary(values) {
  const sorted = [...values].sort((a, b) => a - b);
  const at = (share) => sorted[Math.min(sorted.length - 1, Math.floor(share * sorted.length))];
  return {median: median(values), low: at(0.25), high: at(0.75), count: values.length};
}

function describe({median, low, high, count}) {
  return `${median.toFixed(1)} ms (middle half ${low.toFixed(1)}-${high.toFixed(1)}, n=${count})`;
}

function ratioLine(what, game, anchor, goal) {
  const ratio = game.median / anchor.median;
  const verdict = goal ? (ratio <= goal ? `within ${goal}x` : `beyond the goal of ${goal}x`) : '';
  console.log(`${what}: ${ratio.toFixed(2)}x ${verdict}\n  game   ${describe(game)}\n` +
              `  anchor ${describe(anchor)}`);
}

// Times from a click in both pages: until drawn, and until the elements were there.
function compare(what, game, anchor, goal) {
  const drawn = (times) => summary(times.map((time) => time.drawn));
  ratioLine(what, drawn(game), drawn(anchor), goal);
  const built = (times) => median(times.map((time) => time.built)).toFixed(1);
  console.log(`  the elements were there after ${built(game)} ms in the game, ${
    built(anchor)} ms in the anchor (medians); the rest is style, layout and paint`);
}

const kilobytes = (bytes) => (bytes / 1024).toFixed(1);

async function freshPage(browser) {
  const context = await browser.createBrowserContext();
  const page = await context.newPage();
  await page.setViewport(viewport);
  await page.evaluateOnNewDocument(instrument);
  return {page, close: () => context.close()};
}

// Clicks the element the selector finds with that text at its start, or at that index.
async function clickAt(page, selector, which) {
  const centre = await page.evaluate((selector, which) => {
    const found = [...document.querySelectorAll(selector)].find((element, index) =>
      typeof which === 'number' ? index === which : element.textContent.startsWith(which));
    if (!found)
      return null;
    const box = found.getBoundingClientRect();
    return {x: box.left + box.width / 2, y: box.top + box.height / 2};
  }, selector, which);
  if (!centre)
    throw new Error(`nothing to click: ${selector} ${which}`);
  await page.mouse.click(centre.x, centre.y);
}

async function clickWhenShown(page, selector, text) {
  await page.waitForFunction((selector, text) => [...document.querySelectorAll(selector)]
    .some((element) => element.textContent.startsWith(text)), {}, selector, text);
  await clickAt(page, selector, text);
}

// The game's rebuild as a player asks for it, through "Spiel", "Grösse", "11 x 10"; the last
// click is timed.
async function rebuildGame(page) {
  await clickAt(page, barEntries, 'Spiel');
  await clickWhenShown(page, openItems, 'Grösse');
  await page.waitForFunction((selector) => [...document.querySelectorAll(selector)]
    .some((element) => element.textContent.startsWith('11 x 10')), {}, openItems);
  await page.evaluate(() => vandroBench.awaitBoard(110));
  await clickAt(page, openItems, '11 x 10');
  return page.evaluate(() => vandroBench.result());
}

async function rebuildAnchor(page) {
  await page.evaluate(() => vandroBench.awaitBoard(110));
  await clickAt(page, '.vandro-menubar span', 'Spiel');
  return page.evaluate(() => vandroBench.result());
}

async function press(page, index) {
  await page.evaluate((index) => vandroBench.awaitCard(index), index);
  await clickAt(page, cards, index);
  return page.evaluate(() => vandroBench.result());
}

// Everything a first visit fetches, as the server saw it, each file gzip -9 compressed as a
// server would send it: what the page asks for, and what the service worker keeps on top.
async function transfer(browser, site) {
  const {page, close} = await freshPage(browser);
  const pageAsked = [];
  page.on('response', (response) => pageAsked.push(new URL(response.url()).pathname));
  await page.goto(site.url);
  await page.evaluate(() => vandroBench.firstBoard);
  await page.evaluate(() => navigator.serviceWorker.ready.then(() => true));
  await close();
  const compressed = (wanted) => {
    const file = path.join(folder, wanted === '/' ? 'index.html' : wanted);
    return zlib.gzipSync(fs.readFileSync(file), {level: 9}).length;
  };
  const table = (title, paths) => {
    const sizes = paths.map((wanted) => [wanted, compressed(wanted)]);
    const total = sizes.reduce((sum, [, size]) => sum + size, 0);
    console.log(`${title}: ${kilobytes(total)} KB gzip -9 in ${paths.length} answers, ` +
                `${total <= transferBudget ? 'within' : 'beyond'} the budget of 300 KB`);
    const byFile = new Map();
    for (const [wanted, size] of sizes)
      byFile.set(wanted, (byFile.get(wanted) || 0) + size);
    for (const [wanted, size] of [...byFile].sort((a, b) => b[1] - a[1]))
      console.log(`  ${wanted.padEnd(22)} ${kilobytes(size).padStart(7)} KB ` +
                  `${(100 * size / total).toFixed(1).padStart(5)} %`);
  };
  const ok = site.served.filter(({status}) => status === 200).map(({path: wanted}) => wanted);
  table('Transfer, the page\'s own requests', pageAsked);
  table('Transfer, all the server answered (with the service worker\'s copies)', ok);
}

// A cold start, and when on the way there the page (with the program's script) and the
// WebAssembly had arrived and the first window was made.
async function start(browser, url) {
  const {page, close} = await freshPage(browser);
  await page.goto(url, {waitUntil: 'domcontentloaded'});
  const times = await page.evaluate(async () => {
    const wasm = performance.getEntriesByName(new URL('vandro.wasm', location.href).href)[0];
    return {drawn: await vandroBench.firstBoard, window: await vandroBench.firstWindow,
            page: performance.getEntriesByType('navigation')[0].responseEnd,
            wasm: wasm?.responseEnd ?? 0};
  });
  await close();
  // The closed context's page process ends in the background: the next start waits for it.
  await new Promise((done) => setTimeout(done, 300));
  return times;
}

// The game's cold starts beside the anchor's, taking turns and changing who goes first so that
// the machine's load falls on both alike. One start of each comes first and is not counted: the
// browser's own first start of a page (its caches of fonts and of code) belongs to neither.
async function starts(browser, title, url) {
  const game = [];
  const anchor = [];
  await start(browser, url);
  await start(browser, anchorUrl);
  for (let run = 0; run < startRuns; ++run) {
    const pair = [[game, url], [anchor, anchorUrl]];
    for (const [times, address] of run % 2 ? pair.reverse() : pair)
      times.push(await start(browser, address));
  }
  ratioLine(title, summary(game.map(({drawn}) => drawn)), summary(anchor.map(({drawn}) => drawn)),
            2);
  const at = (what) => median(game.map((times) => times[what])).toFixed(1);
  console.log(`  the game's medians: the page arrived at ${at('page')} ms, vandro.wasm at ${
    at('wasm')} ms, its first window was made at ${at('window')} ms`);
}

// Where the page's busy time goes while the action runs, from the profiler's samples: the
// shares of the program's wasm, of the page's own JavaScript, of the browser's native work
// (style, layout, paint and the DOM calls themselves) and of this script's probes, and the
// functions that took most (the wasm as one).
async function profile(page, title, action) {
  const session = await page.createCDPSession();
  await session.send('Profiler.enable');
  await session.send('Profiler.setSamplingInterval', {interval: 200});
  await session.send('Profiler.start');
  await action();
  const {profile: {nodes, samples, timeDeltas}} = await session.send('Profiler.stop');
  await session.detach();
  const byId = new Map(nodes.map((node) => [node.id, node]));
  const spent = new Map();
  const kinds = {wasm: 0, script: 0, native: 0, probes: 0};
  const kindOf = (url) => url.endsWith('.wasm') ? 'wasm' : url.startsWith('pptr:') ? 'probes'
                                                : url ? 'script' : 'native';
  let total = 0;
  samples.forEach((id, at) => {
    const {functionName, url} = byId.get(id).callFrame;
    if (functionName === '(idle)')
      return;
    const kind = kindOf(url);
    const name = kind === 'wasm' ? '(the program\'s wasm)'
               : kind === 'probes' ? '(this script\'s probes)'
               : `${functionName || '(anonymous)'} ${path.basename(url)}`.trim();
    spent.set(name, (spent.get(name) || 0) + timeDeltas[at]);
    kinds[kind] += timeDeltas[at];
    total += timeDeltas[at];
  });
  const share = (time) => `${(100 * time / total).toFixed(1).padStart(5)} %`;
  console.log(`${title}: ${(total / 1000).toFixed(0)} ms busy: wasm${share(kinds.wasm)}, ` +
              `the page's JavaScript${share(kinds.script)}, the browser's own${
                share(kinds.native)}, probes${share(kinds.probes)}`);
  for (const [name, time] of [...spent].sort((a, b) => b[1] - a[1]).slice(0, 8))
    console.log(`  ${share(time)}  ${name}`);
}

async function memory(page) {
  const session = await page.createCDPSession();
  const samples = [];
  const sample = async (rebuilds) => {
    await session.send('HeapProfiler.collectGarbage');
    const {usedSize} = await session.send('Runtime.getHeapUsage');
    const {nodes, jsEventListeners} = await session.send('Memory.getDOMCounters');
    const wasm = await page.evaluate(() => Module.HEAP8.buffer.byteLength);
    samples.push({rebuilds, usedSize, nodes, jsEventListeners, wasm});
    console.log(`  after ${String(rebuilds).padStart(3)} rebuilds: JS heap ` +
                `${kilobytes(usedSize).padStart(8)} KB, wasm memory ${kilobytes(wasm)} KB, ` +
                `${nodes} DOM nodes, ${jsEventListeners} listeners`);
  };
  await sample(0);
  for (let rebuilds = 1; rebuilds <= memoryRebuilds; ++rebuilds) {
    await rebuildGame(page);
    if (rebuilds % 10 === 0)
      await sample(rebuilds);
  }
  // Growth after the first ten, when caches and pools have their working size.
  const first = samples.find(({rebuilds}) => rebuilds === 10);
  const last = samples[samples.length - 1];
  const span = last.rebuilds - first.rebuilds;
  console.log(`  from 10 to ${last.rebuilds}: JS heap ` +
              `${((last.usedSize - first.usedSize) / span).toFixed(0)} bytes a rebuild, wasm ` +
              `memory ${last.wasm - first.wasm} bytes, DOM nodes ${last.nodes - first.nodes}, ` +
              `listeners ${last.jsEventListeners - first.jsEventListeners}`);
  await session.detach();
}

const here = path.dirname(fileURLToPath(import.meta.url));
const site = await serve(folder);
// A copy of the site whose worker script is missing, so that registering it fails.
const copy = fs.mkdtempSync(path.join(os.tmpdir(), 'vandro-bench-'));
fs.cpSync(folder, copy, {recursive: true});
fs.rmSync(path.join(copy, 'sw.js'));
const withoutWorker = await serve(copy);
const anchorSite = await serve(here);
const anchorUrl = `${anchorSite.url}anchor.html`;
const chromium = await launch('chromium', {viewport});
const browser = chromium.page.browser();
try {
  await transfer(browser, site);

  await starts(browser, 'Start, navigation to the first board drawn, cold', site.url);
  // The same site without its service worker, which on a first visit fetches every file again.
  await starts(browser, 'Start as above, with no service worker', withoutWorker.url);

  const game = await freshPage(browser);
  const anchor = await freshPage(browser);
  await game.page.goto(site.url);
  await anchor.page.goto(anchorUrl);
  await game.page.evaluate(() => vandroBench.firstBoard);
  await anchor.page.evaluate(() => vandroBench.firstBoard);
  // Two of each untimed, so that both pages have compiled what a rebuild runs.
  const rebuilds = {game: [], anchor: []};
  for (let round = -2; round < rounds; ++round) {
    const times = {game: await rebuildGame(game.page), anchor: await rebuildAnchor(anchor.page)};
    if (round >= 0) {
      rebuilds.game.push(times.game);
      rebuilds.anchor.push(times.anchor);
    }
  }
  compare('Rebuild of the 11 x 10 board until drawn', rebuilds.game, rebuilds.anchor, 1.5);

  // Two cards turned, then a third press: the game judges the pair and covers or removes it,
  // the anchor turns its third card; neither third press is timed.
  const presses = {game: [], anchor: []};
  for (let round = -1; round < rounds; ++round) {
    for (const index of [0, 1]) {
      const times = {game: await press(game.page, index), anchor: await press(anchor.page, index)};
      if (round >= 0) {
        presses.game.push(times.game);
        presses.anchor.push(times.anchor);
      }
    }
    await clickAt(game.page, cards, 2);
    await game.page.waitForFunction(() => vandroBench.texts(2).every((text) => text === '?'));
    await clickAt(anchor.page, cards, 2);
  }
  compare('Card press until drawn', presses.game, presses.anchor, 1.2);
  await anchor.close();
  await profile(game.page, 'Ten rebuilds profiled, opening the menus included', async () => {
    for (let round = 0; round < 10; ++round)
      await rebuildGame(game.page);
  });

  console.log(`Memory over ${memoryRebuilds} rebuilds through the menu (after a collection):`);
  await memory(game.page);
  await game.close();
} finally {
  await chromium.close();
  await site.close();
  await withoutWorker.close();
  fs.rmSync(copy, {recursive: true});
  await anchorSite.close();
}
