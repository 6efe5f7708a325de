// What the game's page shows, read through a browser of browsers.mjs, and a wait for the
// program's answer: the program reacts to input after the browser has delivered it, so a check
// waits until the page shows what is expected, and fails with what it shows instead.
export const cards = '#vandro-desktop .vandro-window .vandro-button';
export const labels = '#vandro-desktop .vandro-window .vandro-label';
export const statusFields = '#vandro-desktop .vandro-window .vandro-status span';
export const barEntries = '#vandro-desktop .vandro-bar > [role=menuitem]';
export const openItems = '#vandro-desktop .vandro-menu:not([hidden]) > [role^=menuitem]';
export const itemNames = `${openItems} > span:first-child`;
export const covered = '?';

export class CheckFailed extends Error {}

// A card's face: one symbol of the range the game deals from, none of the four it leaves out.
export function isFace(text) {
  if (typeof text !== 'string' || text.length !== 1)
    return false;
  const code = text.charCodeAt(0);
  return code >= 0x2600 && code <= 0x266e && ![0x2614, 0x2615, 0x2618, 0x2619].includes(code);
}

export async function texts(browser, selector) {
  const count = await browser.count(selector);
  const answer = [];
  for (let index = 0; index < count; ++index)
    answer.push(await browser.text(selector, index));
  return answer;
}

// Reads until the value is the expected one; fails after the time is up with the last reading.
export async function expectSoon(what, read, expected, seconds = 15) {
  const wanted = JSON.stringify(expected);
  const until = Date.now() + seconds * 1000;
  for (;;) {
    const seen = await read();
    if (JSON.stringify(seen) === wanted)
      return seen;
    if (Date.now() > until)
      throw new CheckFailed(`${what}: expected ${wanted}, the page shows ${
        JSON.stringify(seen)}`);
    await new Promise((done) => setTimeout(done, 50));
  }
}

export function expectNow(what, seen, expected) {
  const wanted = JSON.stringify(expected);
  if (JSON.stringify(seen) !== wanted)
    throw new CheckFailed(`${what}: expected ${wanted}, the page shows ${JSON.stringify(seen)}`);
}

// Opens the site and waits for the first board of 20 covered cards.
export async function openGame(browser, url) {
  await browser.goto(url);
  await expectSoon('the first board\'s cards', () => texts(browser, cards),
                   Array(20).fill(covered), 30);
}

// Opens the menus along the path by clicking and chooses the last item, each menu once it shows
// the item wanted.
export async function choose(browser, path) {
  const bar = await texts(browser, barEntries);
  await browser.click(barEntries, bar.indexOf(path[0]));
  for (const [depth, item] of path.slice(1).entries()) {
    await expectSoon(`the menu of "${path.slice(0, depth + 1).join(' > ')}" opens`,
                     async () => (await texts(browser, itemNames)).includes(item), true);
    const names = await texts(browser, itemNames);
    await browser.click(openItems, names.indexOf(item));
  }
}

// Runs the named steps in order on the browser, each timed, then checks that the page threw
// nothing; reports the first failure and sets the exit code. Closes the browser and the site.
export async function runSteps(engine, browser, site, steps) {
  const started = Date.now();
  try {
    for (const [name, step] of steps) {
      const from = Date.now();
      await step();
      console.log(`${engine}: ${name}: passed (${((Date.now() - from) / 1000).toFixed(1)} s)`);
    }
    expectNow('the page\'s errors', await browser.errors(), []);
    console.log(`${engine}: every check held in ${((Date.now() - started) / 1000).toFixed(1)} s`);
  } catch (error) {
    console.error(`${engine}: FAILED: ${error instanceof CheckFailed ? error.message : error.stack}`);
    for (const thrown of await browser.errors().catch(() => []))
      console.error(`${engine}: the page threw: ${thrown}`);
    process.exitCode = 1;
  } finally {
    await browser.close();
    await site.close().catch(() => {});
  }
}
