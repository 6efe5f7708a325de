// The gallery's page played in a browser engine as a person tries it: a step of the stepper and a
// tab of the tabber, each answered by the program.
//
//   node gallery-play.mjs <chromium | firefox | webkit> <site folder>
//
// Ends with 0 when every check held, 1 with the first one that failed.
import {launch} from '../../support/web/browsers.mjs';
import {serve} from '../../support/web/serve.mjs';
import {expectSoon, runSteps, texts} from '../../game/web/page.mjs';

const [engine, folder] = process.argv.slice(2);
if (!engine || !folder) {
  console.error('usage: node gallery-play.mjs <chromium | firefox | webkit> <site folder>');
  process.exit(2);
}

const browser = await launch(engine);
const site = await serve(folder);
const shownLabels = '.vandro-window .vandro-label:not([hidden])';

await runSteps(engine, browser, site, [
  ['the gallery opens', async () => {
    await browser.goto(site.url);
    await expectSoon('the gallery\'s window', () => browser.count('.vandro-window'), 1, 30);
    await expectSoon('the stepper\'s label', async () => (await texts(browser, shownLabels))
                                                 .includes('Stufe 3'), true);
  }],
  ['the stepper steps up', async () => {
    await browser.click('.vandro-stepper button', 1);
    await expectSoon('the stepper\'s label', async () => (await texts(browser, shownLabels))
                                                 .includes('Stufe 4'), true);
  }],
  ['a tab shows its page', async () => {
    await browser.click('[role=tab]', 2);
    await expectSoon('the third tab\'s page', async () => (await texts(browser, shownLabels))
        .includes('Die HTML-Ansicht zeigt eine Seite des Systembrowsers.'), true);
  }],
]);
