// The game's page as a screen reader gets it from Chromium's accessibility tree: the cards, the
// menus, the player labels and the status line, each role, name and state checked exactly while
// two players play.
//
//   node accessibility.mjs <site folder>
//
// Ends with 0 when every check held, 1 with the first one that failed.
import {launch} from '../../support/web/browsers.mjs';
import {serve} from '../../support/web/serve.mjs';
import {
  barEntries, cards, CheckFailed, choose, covered, expectNow, expectSoon, isFace, labels, runSteps,
  openGame, texts,
} from './page.mjs';

const [folder] = process.argv.slice(2);
if (!folder) {
  console.error('usage: node accessibility.mjs <site folder>');
  process.exit(2);
}

const browser = await launch('chromium');
const site = await serve(folder);
const {page} = browser;
const openMenus = '#vandro-desktop .vandro-menu:not([hidden])';

// The tree below each element the selector finds, only what a screen reader presents or the
// whole of it.
async function trees(selector, interestingOnly = true) {
  const answer = [];
  for (const element of await page.$$(selector)) {
    answer.push(await page.accessibility.snapshot({root: element, interestingOnly}));
    await element.dispose();
  }
  return answer;
}

// Every text a node and the nodes below it hold, in order.
function strings(node) {
  const own = Object.values(node).filter((value) => typeof value === 'string');
  return [...own, ...(node.children || []).flatMap(strings)];
}

function textsBelow(node) {
  return (node.children || []).flatMap((child) =>
    child.role === 'StaticText' ? [child.name] : textsBelow(child));
}

// A node that has just left the page (or not reached the tree yet) reads as neither.
const roleAndName = (node) => ({role: node?.role, name: node?.name});

// Each card a button named by what it shows; the faces of covered cards stay out of the tree.
async function expectCards(what, shown) {
  await expectSoon(`${what}: the cards' roles and names`,
                   async () => (await trees(cards)).map(roleAndName),
                   shown.map((name) => ({role: 'button', name})));
  const whole = await trees(cards, false);
  const giveaways = whole.flatMap((tree, at) => (shown[at] === covered && tree ? strings(tree) : []))
                         .filter((text) => [...text].some(isFace));
  expectNow(`${what}: the texts of covered cards with a face in them`, giveaways, []);
}

async function expectPlayers(what, scores, current, left) {
  await expectSoon(`${what}: the player labels`, async () => (await trees(labels)).map(roleAndName),
                   scores.map((score, slot) => ({role: 'StaticText',
                                                 name: `Spieler ${slot + 1}: ${score}`})));
  await expectSoon(`${what}: the status line`, async () => {
    const [status] = await trees('#vandro-desktop .vandro-status', false);
    return {role: status.role, name: status.name, live: status.live, atomic: status.atomic,
            texts: textsBelow(status)};
  }, {role: 'status', name: '', live: 'polite', atomic: true,
      texts: [`Spieler ${current + 1}`, `Karten: ${left} / 20`]});
}

// An item that opens a submenu, or one that can carry a mark: read as a radio item only while
// it is checked, its name without the mark or the arrow the style sheet draws.
const item = (role, name, checked) => (checked ? {role: 'menuitemradio', name, checked}
                                               : {role: 'menuitem', name, checked: undefined});
const menuItem = ({role, name, checked}) => ({role, name, checked});

async function expectMenus(sizeChecked, playersChecked) {
  const entry = (expanded) => ({role: 'menubar', name: 'Vandro', entries: [
    {role: 'menuitem', name: 'Spiel', haspopup: 'menu', expanded}]});
  const barNow = async () => {
    // A menu bar the game makes again reaches the tree a moment after the page.
    const [bar] = await trees('#vandro-desktop .vandro-bar');
    if (!bar)
      return bar;
    const {role, name, children} = bar;
    return {role, name, entries: children.map(
      ({role, name, haspopup, expanded}) => ({role, name, haspopup, expanded}))};
  };
  await expectSoon('the menu bar', barNow, entry(false));
  await browser.click(barEntries, 0);
  await expectSoon('the menu bar with "Spiel" open', barNow, entry(true));
  const game = [item('menuitem', 'Grösse'), item('menuitem', 'Spieler'),
                item('menuitem', 'Spiel neustarten'), item('menuitem', 'Spiel beenden')];
  const shown = async () => (await trees(openMenus)).map(
    ({role, name, children}) => ({role, name, items: children.map(menuItem)}));
  // Each menu is named after the item that opens it.
  const menu = (name, items) => ({role: 'menu', name, items});
  await expectSoon('the menu "Spiel"', shown, [menu('Spiel', game)]);
  const submenu = async (index, title, entries) => {
    await browser.click(`${openMenus} > [role^=menuitem]`, index);
    await expectSoon(`the menu "${title}"`, shown, [menu('Spiel', game), menu(title, entries)]);
  };
  await submenu(0, 'Grösse', [[5, 4], [6, 5], [7, 6], [8, 7], [9, 8], [10, 9], [11, 10]].map(
    ([columns, rows]) => item('menuitemradio', `${columns} x ${rows} ${
      columns * rows / 2} Symbole`, rows === sizeChecked)));
  await submenu(1, 'Spieler', [1, 2, 3, 4].map(
    (players) => item('menuitemradio', `${players} Spieler`, players === playersChecked)));
  await browser.press('Escape');
  await browser.press('Escape');
  await expectSoon('Escape closes the menus', async () => (await trees(openMenus)).length, 0);
}

async function firstBoard() {
  await openGame(browser, site.url);
  await expectCards('the first board', Array(20).fill(covered));
  await expectPlayers('the first board', [0, 0, 0, 0], 0, 20);
  await expectMenus(4, 1);
}

// Two players uncover the first two cards on the board until a miss passes the turn; every
// card's name, the labels and the status line follow each press.
async function twoPlayers() {
  await choose(browser, ['Spiel', 'Spieler', '2 Spieler']);
  await expectMenus(4, 2);
  const scores = [0, 0, 0, 0];
  let left = 20;
  for (let turn = 1;; ++turn) {
    if (turn > 10)
      throw new CheckFailed('no miss in 10 turns');
    const what = `turn ${turn}`;
    await expectCards(`${what}, before`, Array(left).fill(covered));
    await expectPlayers(`${what}, before`, scores, 0, left);
    await browser.click(cards, 0);
    await expectSoon(`${what}: the first card uncovered`,
                     async () => isFace(await browser.text(cards, 0)), true);
    const first = await browser.text(cards, 0);
    await expectCards(`${what}: one card uncovered`, [first, ...Array(left - 1).fill(covered)]);
    await browser.click(cards, 1);
    await expectSoon(`${what}: the second card uncovered`,
                     async () => isFace(await browser.text(cards, 1)), true);
    const second = await browser.text(cards, 1);
    await expectCards(`${what}: two cards uncovered`,
                      [first, second, ...Array(left - 2).fill(covered)]);
    await expectPlayers(`${what}: two cards uncovered`, scores, 0, left);
    await browser.click(cards, 2);
    if (first !== second) {
      await expectCards(`${what}: a miss`, Array(left).fill(covered));
      await expectPlayers(`${what}: a miss`, scores, 1, left);
      return;
    }
    scores[0] += 1;
    left -= 2;
  }
}

await runSteps('chromium', browser, site, [['the first board', firstBoard], ['two players', twoPlayers]]);
