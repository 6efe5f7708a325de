// The gallery's page as a screen reader gets it from Chromium's accessibility tree: every kind
// of gadget with its role, name and state, as the gallery sets them up.
//
//   node gallery.mjs <site folder> [capture folder]
//
// With a capture folder it writes gallery-web.png there once every check held.
// Ends with 0 when every check held, 1 with the first one that failed.
import {launch} from '../../support/web/browsers.mjs';
import {serve} from '../../support/web/serve.mjs';
import {expectNow, expectSoon, runSteps} from '../../game/web/page.mjs';

const [folder, captures] = process.argv.slice(2);
if (!folder) {
  console.error('usage: node gallery.mjs <site folder> [capture folder]');
  process.exit(2);
}

const browser = await launch('chromium');
const site = await serve(folder);
const {page} = browser;

// Every node of the tree, depth first.
function nodes(node) {
  return node ? [node, ...(node.children || []).flatMap(nodes)] : [];
}

// The whole tree: Chromium's own pruning leaves out nodes without a name, such as the bars.
async function tree() {
  return nodes(await page.accessibility.snapshot({interestingOnly: false}));
}

// The first node with the role (and the name, where one is given), as role, name and the states
// asked for.
async function find(role, name, states = []) {
  const found = (await tree()).find((node) => node.role === role &&
                                              (name === undefined || node.name === name));
  if (!found)
    return null;
  return Object.fromEntries([['role', found.role], ['name', found.name],
                             ...states.map((state) => [state, found[state]])]);
}

async function expectNode(role, name, states = {}) {
  const wanted = {role, name, ...states};
  const named = name === undefined ? undefined : name;
  await expectSoon(`the ${role} "${name ?? ''}"`,
                   async () => {
                     const seen = await find(role, named, Object.keys(states));
                     return seen && {...seen, name};
                   },
                   wanted);
}

await runSteps('chromium', browser, site, [
  ['the gallery opens', async () => {
    await browser.goto(site.url);
    await expectSoon('the gallery\'s window', () => browser.count('.vandro-window'), 1, 30);
  }],
  ['the menu bar and the status line', async () => {
    await expectNode('menubar', undefined);
    await expectNode('menuitem', 'Datei');
    await expectNode('status', undefined);
  }],
  ['the buttons and labels', async () => {
    await expectNode('StaticText', 'Beschriftung: ein Label');
    await expectNode('button', 'Knopf');
    await expectNode('checkbox', 'Ankreuzen', {checked: false});
    await expectNode('radio', 'Wahl eins');
    await expectNode('radio', 'Wahl zwei');
  }],
  ['the text field, the combo box and the text area', async () => {
    await expectNode('textbox', undefined, {value: 'Ein Textfeld'});
    await expectNode('combobox', undefined, {value: 'Auswahl A'});
    const area = (await tree()).find((node) => node.role === 'textbox' && node.multiline);
    expectNow('the text area is a multi-line text box', Boolean(area), true);
  }],
  ['the slider, the progress bar, the scroll bar and the stepper', async () => {
    await expectNode('slider', undefined, {value: 60});
    await expectNode('progressbar', undefined, {value: 60});
    await expectNode('scrollbar', undefined);
    await expectNode('spinbutton', undefined, {value: 3});
  }],
  ['the list box and the tree', async () => {
    const lists = (await tree()).filter((node) => node.role === 'listbox');
    const options = lists.map((list) => nodes(list).filter((node) => node.role === 'option'));
    // The combo box's list is out of the tree while it is closed.
    expectNow('the list boxes\' options', options.map((list) => list.map((node) => node.name)),
              [['Quadrat', 'Ring', 'Raute', 'Kreuz', 'Dreieck', 'Balken', 'Punkt', 'Muster']]);
    expectNow('the list\'s selected option',
              options[0].filter((node) => node.selected).map((node) => node.name), ['Raute']);
    await expectNode('tree', undefined);
    await expectNode('treeitem', 'Formen', {expanded: true, selected: true});
    await expectNode('treeitem', 'Weitere', {expanded: false});
  }],
  ['the tabber, the toolbar, the group frame, the canvas and the HTML view', async () => {
    await expectNode('tablist', undefined);
    const tabs = (await tree()).filter((node) => node.role === 'tab');
    expectNow('the tabs', tabs.map((node) => [node.name, Boolean(node.selected)]),
              [['Allgemein', true], ['Ansicht', false], ['Extras', false]]);
    const toolbar = (await tree()).find((node) => node.role === 'toolbar');
    expectNow('the toolbar\'s buttons', nodes(toolbar).filter((node) => node.role === 'button').length,
              7);
    await expectNode('group', 'Gruppe');
    await expectSoon('the HTML view\'s frame', () => browser.count('.vandro-window iframe'), 1);
    await expectSoon('the canvas', async () => (await browser.count('.vandro-window canvas')) > 0,
                     true);
  }],
  ...(captures ? [['the capture', () => browser.screenshot(`${captures}/gallery-web.png`)]] : []),
]);
