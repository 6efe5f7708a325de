// The game played in a browser as a player plays it, with the mouse, with the keyboard alone
// and through its menu, each answer of the page checked exactly.
//
//   node acceptance.mjs <chromium|firefox|webkit> <site folder>
//
// Ends with 0 when every check held, 1 with the first one that failed.
import {launch} from '../../support/web/browsers.mjs';
import {serve} from '../../support/web/serve.mjs';
import {
  barEntries, cards, CheckFailed, choose, covered, expectNow, expectSoon, isFace, itemNames, labels,
  openGame, openItems, statusFields, texts,
} from './page.mjs';

const [engine, folder] = process.argv.slice(2);
if (!engine || !folder) {
  console.error('usage: node acceptance.mjs <chromium|firefox|webkit> <site folder>');
  process.exit(2);
}

// The game as the rules say it must stand, to compare the page with.
class Game {
  constructor(columns, rows, players) {
    this.total = columns * rows;
    this.left = this.total;
    this.players = players;
    this.current = 0;
    this.scores = [0, 0, 0, 0];
    // What a player remembers of each card still on the board, in the page's order.
    this.faces = Array(this.total).fill(null);
  }
  status() {
    return [`Spieler ${this.current + 1}`, '', `Karten: ${this.left} / ${this.total}`];
  }
  labels() {
    return this.scores.map((score, slot) => `Spieler ${slot + 1}: ${score}`);
  }
  // Each label's text and background colour: the player on turn inverted, the other players
  // in the window's colours (face 240, text 28 on the web), slots beyond them in faded text.
  looks() {
    return this.scores.map((_, slot) => {
      if (slot === this.current)
        return ['rgb(227, 227, 227)', 'rgb(15, 15, 15)'];
      if (slot < this.players)
        return ['rgb(28, 28, 28)', 'rgb(240, 240, 240)'];
      return ['rgb(218, 218, 218)', null];
    });
  }
  // The judging press: a pair leaves the board and scores, a miss passes the turn.
  judge(first, second) {
    if (this.faces[first] === this.faces[second]) {
      this.scores[this.current] += 1;
      this.left -= 2;
      this.faces = this.faces.filter((_, at) => at !== first && at !== second);
      return true;
    }
    this.current = (this.current + 1) % this.players;
    return false;
  }
  // Two covered cards a player knows to match, or none.
  knownPair() {
    for (let first = 0; first < this.faces.length; ++first) {
      const second = this.faces.indexOf(this.faces[first], first + 1);
      if (this.faces[first] !== null && second > 0)
        return [first, second];
    }
    return null;
  }
}

const browser = await launch(engine);
const site = await serve(folder);
const started = Date.now();

// The labels' colours as drawn, null for a background the label does not paint.
async function labelLooks() {
  const looks = [];
  for (let slot = 0; slot < 4; ++slot) {
    const [text, back] = await browser.colours(labels, slot) ?? [null, null];
    looks.push([text, back === 'rgba(0, 0, 0, 0)' ? null : back]);
  }
  return looks;
}

async function expectBoard(what, game, shown) {
  await expectSoon(`${what}: the status line`, () => texts(browser, statusFields), game.status());
  await expectSoon(`${what}: the player labels`, () => texts(browser, labels), game.labels());
  await expectSoon(`${what}: the labels' colours`, labelLooks, game.looks());
  await expectSoon(`${what}: the cards`, () => texts(browser, cards), shown);
}

function coveredBoard(game) {
  return Array(game.faces.length).fill(covered);
}

// The faces shown with the given cards uncovered and every other covered.
function showing(game, uncovered) {
  return game.faces.map((face, at) => (uncovered.includes(at) ? face : covered));
}

// Presses, then expects the card uncovered and no other card but those given.
async function uncoverWith(what, game, card, press, uncovered) {
  await press();
  const faceOrText = async () => {
    const text = await browser.text(cards, card);
    return isFace(text) ? 'a face' : text;
  };
  await expectSoon(`${what}: card ${card} uncovered`, faceOrText, 'a face');
  const face = await browser.text(cards, card);
  game.faces[card] = face;
  await expectSoon(`${what}: only the uncovered cards show faces`,
    () => texts(browser, cards), showing(game, [...uncovered, card]));
  return face;
}

async function menuState(selector) {
  const count = await browser.count(selector);
  const state = [];
  for (let index = 0; index < count; ++index)
    state.push(await browser.attribute(selector, index, 'aria-checked') === 'true');
  return state;
}

async function checkMenus(sizeChecked, playersChecked) {
  expectNow('the menu bar', await texts(browser, barEntries), ['Spiel']);
  expectNow('the menu bar\'s letter', await texts(browser, `${barEntries} u`), ['S']);
  await browser.click(barEntries, 0);
  await expectSoon('the items of "Spiel"', () => texts(browser, itemNames),
                   ['Grösse', 'Spieler', 'Spiel neustarten', 'Spiel beenden']);
  expectNow('the letters of "Spiel"', await texts(browser, `${itemNames} > u`),
            ['G', 'p', 'n', 'b']);
  await browser.click(openItems, 0);
  await expectSoon('the items of "Grösse"', () => texts(browser, itemNames),
                   ['Grösse', 'Spieler', 'Spiel neustarten', 'Spiel beenden', '5 x 4', '6 x 5',
                    '7 x 6', '8 x 7', '9 x 8', '10 x 9', '11 x 10']);
  expectNow('the symbols of each size', await texts(browser, `${openItems} > .vandro-shortcut`),
            ['10 Symbole', '15 Symbole', '21 Symbole', '28 Symbole', '36 Symbole', '45 Symbole',
             '55 Symbole']);
  expectNow('the check marks of the sizes', (await menuState(openItems)).slice(4),
            [4, 5, 6, 7, 8, 9, 10].map((rows) => rows === sizeChecked));
  await browser.click(openItems, 1);
  await expectSoon('the items of "Spieler"', () => texts(browser, itemNames),
                   ['Grösse', 'Spieler', 'Spiel neustarten', 'Spiel beenden', '1 Spieler',
                    '2 Spieler', '3 Spieler', '4 Spieler']);
  expectNow('the check marks of the players', (await menuState(openItems)).slice(4),
            [1, 2, 3, 4].map((players) => players === playersChecked));
  await browser.press('Escape');
  await browser.press('Escape');
  await expectSoon('Escape closes the menus', () => browser.count(openItems), 0);
}

async function firstBoard() {
  await openGame(browser, site.url);
  const frame = '#vandro-desktop .vandro-window';
  expectNow('the window\'s name', await browser.attribute(frame, 0, 'aria-label'), 'Vandro');
  expectNow('the title bar', await browser.text(`${frame} .vandro-title span`, 0), 'Vandro');
  expectNow('the windows', await browser.count('#vandro-desktop .vandro-window'), 1);
  await expectBoard('the first board', new Game(5, 4, 1), Array(20).fill(covered));
  await checkMenus(4, 1);
}

// The program answers a click before the browser draws again: once the click has gone through
// the page, the card shows its face. Read where the driver runs a script in the page as it is.
async function answerWithinTheClick() {
  if (!browser.page)
    return;
  await browser.page.evaluate((selector) => {
    document.addEventListener('click', () => {
      window.vandroShownAfterClick = document.querySelector(selector).textContent;
    }, {once: true});
  }, cards);
  await browser.click(cards, 0);
  const shown = await browser.page.evaluate(() => window.vandroShownAfterClick);
  expectNow('the first card as the click leaves the page', isFace(shown) ? 'a face' : shown,
            'a face');
}

// Plays with the mouse until the turn has passed on a miss and a pair has been found, the way a
// player does: uncover a card, take its twin if it was seen before, else another unseen card.
async function playWithMouse() {
  await choose(browser, ['Spiel', 'Spieler', '2 Spieler']);
  const game = new Game(5, 4, 2);
  await expectBoard('two players chosen', game, coveredBoard(game));
  await checkMenus(4, 2);
  let missed = false;
  let paired = false;
  for (let turn = 1; !(missed && paired); ++turn) {
    if (turn > 20)
      throw new CheckFailed('no miss and pair in 20 turns of a 20-card board');
    const what = `turn ${turn} with the mouse`;
    const click = (card) => () => browser.click(cards, card);
    let pick = game.knownPair();
    if (!pick) {
      const first = game.faces.indexOf(null);
      const face = await uncoverWith(what, game, first, click(first), []);
      const twin = game.faces.findIndex((seen, at) => at !== first && seen === face);
      const second = twin >= 0 ? twin : game.faces.indexOf(null);
      await uncoverWith(what, game, second, click(second), [first]);
      pick = [first, second];
    } else {
      await uncoverWith(what, game, pick[0], click(pick[0]), []);
      await uncoverWith(what, game, pick[1], click(pick[1]), [pick[0]]);
    }
    expectNow(`${what}: the status before judging`, await texts(browser, statusFields),
              game.status());
    // The judging press goes to a covered card where there is one: it must not uncover it.
    const other = game.faces.findIndex((_, at) => !pick.includes(at));
    await browser.click(cards, other >= 0 ? other : pick[0]);
    if (game.judge(pick[0], pick[1]))
      paired = true;
    else
      missed = true;
    await expectBoard(`${what}, judged`, game, coveredBoard(game));
  }
}

// Plays with Tab, the arrows, Space and Enter alone on a board of 11 x 10 cards for 4 players,
// restarted from the menu by keys.
async function playWithKeyboard() {
  await browser.press('Alt+s');
  // A submenu may open too where the menu comes up under a resting mouse pointer.
  await expectSoon('Alt+S opens "Spiel"', async () => [
    await browser.attribute(barEntries, 0, 'aria-expanded'),
    (await texts(browser, itemNames)).slice(0, 4),
  ], ['true', ['Grösse', 'Spieler', 'Spiel neustarten', 'Spiel beenden']]);
  const focused = async () => {
    const count = await browser.count(openItems);
    const marks = [];
    for (let index = 0; index < count; ++index)
      marks.push(await browser.attribute(openItems, index, 'tabindex'));
    return marks.indexOf('0');
  };
  await expectSoon('the first item has the focus', focused, 0);
  await browser.press('ArrowDown');
  await browser.press('ArrowDown');
  await expectSoon('two arrows down pass the separator', focused, 2);
  await browser.press('Enter');
  const game = new Game(11, 10, 4);
  await expectSoon('"Spiel neustarten" closes the menu', () => browser.count(openItems), 0);
  await expectBoard('restarted by keys', game, coveredBoard(game));
  // Leaving the menus with Escape gives the focus back to the card that had it.
  await browser.press('Alt+s');
  await expectSoon('Alt+S opens "Spiel" on the new board',
                   () => browser.attribute(barEntries, 0, 'aria-expanded'), 'true');
  await browser.press('Escape');
  await browser.press('Escape');
  await expectSoon('Escape leaves the menus', () => browser.count(openItems), 0);

  // The new board has the focus on its first card.
  await uncoverWith('Space on the first card', game, 0, () => browser.press('Space'), []);
  await uncoverWith('Right arrow, Space', game, 1, async () => {
    await browser.press('ArrowRight');
    await browser.press('Space');
  }, [0]);
  await browser.press('Tab');
  await browser.press('Space');
  const paired = game.judge(0, 1);
  // The judging press on the third card leaves it covered; the next press uncovers it.
  await expectBoard('Tab, Space judges', game, coveredBoard(game));
  const third = paired ? 0 : 2;
  await uncoverWith('Enter uncovers the judging card', game, third,
                    () => browser.press('Enter'), []);
  const before = (third - 1 + game.faces.length) % game.faces.length;
  await uncoverWith('Shift+Tab, Space', game, before, async () => {
    await browser.press('Shift+Tab');
    await browser.press('Space');
  }, [third]);
  await browser.press('ArrowDown');
  await browser.press('Space');
  game.judge(before, third);
  await expectBoard('Down arrow, Space judges', game, coveredBoard(game));
}

async function largestBoard() {
  await choose(browser, ['Spiel', 'Grösse', '11 x 10']);
  let game = new Game(11, 10, 2);
  await expectBoard('11 x 10 chosen', game, coveredBoard(game));
  await checkMenus(10, 2);
  await choose(browser, ['Spiel', 'Spieler', '4 Spieler']);
  game = new Game(11, 10, 4);
  await expectBoard('4 players chosen', game, coveredBoard(game));
  await checkMenus(10, 4);
}

async function endGame() {
  const ended = () => browser.attribute('#vandro-ended', 0, 'hidden');
  expectNow('before the end, the end text is hidden', await ended(), '');
  await choose(browser, ['Spiel', 'Spiel beenden']);
  await expectSoon('"Spiel beenden" ends the program', ended, null);
  expectNow('the end text', await browser.text('#vandro-ended p', 0), 'Vandro ist beendet.');
  expectNow('the desktop is hidden', await browser.attribute('#vandro-desktop', 0, 'hidden'), '');
}

try {
  const steps = [
    ['the first board', firstBoard], ['a card answered within its click', answerWithinTheClick],
    ['a miss and a pair with the mouse', playWithMouse],
    ['11 x 10 and 4 players', largestBoard], ['play with the keyboard', playWithKeyboard],
    ['the end', endGame],
  ];
  for (const [name, step] of steps) {
    const from = Date.now();
    await step();
    console.log(`${engine}: ${name}: passed (${((Date.now() - from) / 1000).toFixed(1)} s)`);
  }
  console.log(`${engine}: every check held in ${((Date.now() - started) / 1000).toFixed(1)} s`);
} catch (error) {
  console.error(`${engine}: FAILED: ${error instanceof CheckFailed ? error.message : error.stack}`);
  for (const thrown of await browser.errors().catch(() => []))
    console.error(`${engine}: the page threw: ${thrown}`);
  process.exitCode = 1;
} finally {
  await browser.close();
  await site.close();
}
