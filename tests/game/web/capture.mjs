// Pictures of the game in Chromium with two cards uncovered, as a player sees it on a desktop
// screen at device pixel ratio 1 and 2 and on a phone (taps instead of clicks).
//
//   node capture.mjs <site folder> <output folder>
//
// Writes vandro-web.png, vandro-web-2x.png and vandro-web-phone.png.
import path from 'node:path';

import {launch} from '../../support/web/browsers.mjs';
import {serve} from '../../support/web/serve.mjs';
import {cards, expectSoon, isFace, openGame} from './page.mjs';

const [folder, output] = process.argv.slice(2);
if (!folder || !output) {
  console.error('usage: node capture.mjs <site folder> <output folder>');
  process.exit(2);
}

const desktop = {width: 1024, height: 768};
const shots = [
  {file: 'vandro-web.png', viewport: desktop, deviceScaleFactor: 1, touch: false},
  {file: 'vandro-web-2x.png', viewport: desktop, deviceScaleFactor: 2, touch: false},
  {file: 'vandro-web-phone.png', viewport: {width: 390, height: 844}, deviceScaleFactor: 3,
   touch: true},
];

const site = await serve(folder);
try {
  for (const {file, touch, ...options} of shots) {
    const browser = await launch('chromium', {...options, touch});
    try {
      await openGame(browser, site.url);
      // The first card of the top row and the middle card of the second.
      for (const card of [0, 7]) {
        await (touch ? browser.tap(cards, card) : browser.click(cards, card));
        await expectSoon(`${file}: card ${card} uncovered`,
                         async () => isFace(await browser.text(cards, card)), true);
      }
      await browser.screenshot(path.join(output, file));
      console.log(`wrote ${path.join(output, file)}`);
    } finally {
      await browser.close();
    }
  }
} catch (error) {
  console.error(`capture failed: ${error.message}`);
  process.exitCode = 1;
} finally {
  await site.close();
}
