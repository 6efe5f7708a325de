// Runs a program built for the web platform in a page of a real browser, headless, as ctest's
// emulator of the web tree does: the page's standard output and error become this process's,
// its exit code this process's. The page's user (WebUser.js) asks for input through
// window.vandroUserInput, which the browser's driver sends as real mouse and key events.
//
//   node run-in-browser.mjs <program.js> [arguments...]
//   VANDRO_WEB_ENGINE=chromium (the default) or firefox
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import puppeteer from 'puppeteer-core';
import {serve} from './serve.mjs';

const [program, ...programArguments] = process.argv.slice(2);
if (!program) {
  console.error('usage: node run-in-browser.mjs <program.js> [arguments...]');
  process.exit(2);
}
const engine = process.env.VANDRO_WEB_ENGINE || 'chromium';
const folder = path.dirname(path.resolve(program));
const name = path.basename(program);

// Virtual-key codes as the browser's driver names the keys.
const keyNames = {
  0x08: 'Backspace', 0x09: 'Tab', 0x0d: 'Enter', 0x10: 'Shift', 0x11: 'Control', 0x12: 'Alt',
  0x1b: 'Escape', 0x20: 'Space', 0x21: 'PageUp', 0x22: 'PageDown', 0x23: 'End', 0x24: 'Home',
  0x25: 'ArrowLeft', 0x26: 'ArrowUp', 0x27: 'ArrowRight', 0x28: 'ArrowDown', 0x2d: 'Insert',
  0x2e: 'Delete', 0x5b: 'Meta',
};
function keyName(code) {
  if (keyNames[code])
    return keyNames[code];
  if (code >= 0x30 && code <= 0x39)
    return `Digit${code - 0x30}`;
  if (code >= 0x41 && code <= 0x5a)
    return `Key${String.fromCharCode(code)}`;
  if (code >= 0x70 && code <= 0x7b)
    return `F${code - 0x6f}`;
  throw new Error(`no key for the virtual-key code ${code}`);
}
const modifierKeys = [[1, 'Shift'], [2, 'Control'], [4, 'Alt'], [8, 'Meta']];

// The user's own files, made when a file chooser first asks for one.
let userFiles = null;

async function input(page, action) {
  if (action.kind === 'click') {
    await page.mouse.click(action.x, action.y, {
      button: action.button === 2 ? 'right' : 'left',
      count: action.clicks,
    });
  } else if (action.kind === 'drag') {
    await page.mouse.move(action.x, action.y);
    await page.mouse.down();
    await page.mouse.move(action.toX, action.toY, {steps: 10});
    await page.mouse.up();
  } else if (action.kind === 'key') {
    const held = modifierKeys.filter(([bit]) => action.modifiers & bit).map(([, key]) => key);
    for (const key of held)
      await page.keyboard.down(key);
    await page.keyboard.press(keyName(action.key));
    for (const key of held.reverse())
      await page.keyboard.up(key);
  } else if (action.kind === 'type') {
    await page.keyboard.type(action.text);
  } else if (action.kind === 'file') {
    // A file of the user's, chosen in the file chooser the click opens; the page reads it later.
    userFiles ??= fs.mkdtempSync(path.join(os.tmpdir(), 'vandro-files-'));
    const file = path.join(userFiles, action.name);
    fs.writeFileSync(file, action.text);
    // A click that Chromium takes as the field shows opens nothing: the user clicks again.
    for (let attempt = 1; ; ++attempt) {
      try {
        const [chooser] = await Promise.all([
          page.waitForFileChooser({timeout: 2000}), page.mouse.click(action.x, action.y)]);
        await chooser.accept([file]);
        break;
      } catch (error) {
        if (attempt === 3)
          throw error;
      }
    }
  } else {
    throw new Error(`unknown input ${action.kind}`);
  }
}

// The program's own page, beside it and for this run alone (ctest runs one program's suites side
// by side, each with its own arguments): its output goes to the console, marked by stream.
const pageName = `${name}.${process.pid}.html`;
fs.writeFileSync(path.join(folder, pageName), `<!DOCTYPE html>
<html lang="de"><head><meta charset="utf-8"><title>${name}</title><link rel="icon" href="data:,">
<style>html, body { margin: 0; height: 100%; }</style></head>
<body><script>
var Module = {
  arguments: ${JSON.stringify(programArguments)},
  print: function(text) { console.log('1' + text); },
  printErr: function(text) { console.log('2' + text); },
  onExit: function(code) { console.log('x' + code); },
  onAbort: function(what) { console.log('2aborted: ' + what); console.log('x1'); }
};
</script><script src="${name}"></script></body></html>
`);

const site = await serve(folder);
const browser = await puppeteer.launch(engine === 'firefox'
  ? {browser: 'firefox', executablePath: '/usr/bin/firefox-esr', headless: true,
     // Without its test mode a driven Firefox's page never holds the focus.
     extraPrefsFirefox: {'focusmanager.testmode': true}}
  : {executablePath: '/usr/bin/chromium', headless: true,
     args: process.getuid && process.getuid() === 0 ? ['--no-sandbox'] : []});
let exitCode = 1;
try {
  // The person lets the page use the clipboard, as a browser asks them to.
  if (engine !== 'firefox')
    await browser.defaultBrowserContext().overridePermissions(
      site.url, ['clipboard-read', 'clipboard-write', 'clipboard-sanitized-write']);
  const page = await browser.newPage();
  await page.setViewport({width: 1280, height: 1024});
  const ended = new Promise((resolve) => {
    page.on('console', (message) => {
      const text = message.text();
      if (text[0] === '1')
        process.stdout.write(text.slice(1) + '\n');
      else if (text[0] === '2')
        process.stderr.write(text.slice(1) + '\n');
      else if (text[0] === 'x')
        resolve(Number(text.slice(1)));
      else if (message.type() === 'error' || message.type() === 'warn')
        process.stderr.write(`the page says: ${text}\n`);
    });
    // exit() ends the program by throwing ExitStatus, after onExit reported the code.
    page.on('pageerror', (error) => {
      if (error.message.includes('ExitStatus'))
        return;
      process.stderr.write(`the page failed: ${error.message}\n`);
      resolve(1);
    });
  });
  await page.exposeFunction('vandroUserInput', (action) => input(page, action));
  await page.goto(site.url + pageName);
  exitCode = await ended;
} finally {
  await browser.close();
  await site.close();
  fs.rmSync(path.join(folder, pageName), {force: true});
  if (userFiles)
    fs.rmSync(userFiles, {recursive: true, force: true});
}
process.exit(exitCode);
