// One way to drive the three browser engines, so that one script plays a page in each: Chromium
// and Firefox through puppeteer-core (Firefox over WebDriver BiDi), WebKit through its own
// WebDriver with plain W3C WebDriver over HTTP, on an X display of its own. Clicks, taps and
// keys are real input events, as a user's would be.
//
//   const browser = await launch('chromium' | 'firefox' | 'webkit',
//                                {viewport: {width, height}, deviceScaleFactor, touch});
//   await browser.goto(url); await browser.click('button', 3); await browser.press('Shift+Tab');
//   await browser.text('button', 3); await browser.count('button');
//   await browser.attribute('button', 3, 'aria-checked'); await browser.screenshot('a.png');
//   await browser.errors(); await browser.close();
//
// Keys are named as KeyboardEvent.key names them ('Tab', 'ArrowDown', 'Enter', 'Escape', 's'),
// 'Space' for the space bar, after held modifiers joined with '+' ('Shift+Tab', 'Alt+s').
// errors() answers the page's uncaught errors so far (in WebKit those after goto() returned).
// In Chromium and Firefox, page is puppeteer's page, for what only its own calls reach (the
// accessibility tree, the network's state).
// Every process started here ends with close(), and also when the script ends in any other way.
import {spawn} from 'node:child_process';
import fs from 'node:fs';
import net from 'node:net';

const executables = {
  chromium: '/usr/bin/chromium',
  firefox: '/usr/bin/firefox-esr',
  webkitDriver: '/usr/bin/WebKitWebDriver',
  miniBrowser: '/usr/lib/x86_64-linux-gnu/webkit2gtk-4.1/MiniBrowser',
};

// The process groups this module started, by their leaders' ids: what a driver starts in turn
// (its browser) ends with it.
const started = new Set();

function stopGroup(pid) {
  if (!started.delete(pid))
    return;
  try {
    process.kill(-pid, 'SIGKILL');
  } catch {
    // Gone already.
  }
}

process.on('exit', () => [...started].forEach(stopGroup));
for (const [signal, number] of [['SIGHUP', 1], ['SIGINT', 2], ['SIGTERM', 15]])
  process.on(signal, () => process.exit(128 + number));

function startGroup(command, args, options) {
  const child = spawn(command, args, {detached: true, ...options});
  started.add(child.pid);
  return child;
}

// What is read in the page, the same in every engine; each runs there with its arguments.
const inPage = {
  text: (selector, index) => document.querySelectorAll(selector)[index]?.textContent ?? null,
  count: (selector) => document.querySelectorAll(selector).length,
  attribute: (selector, index, name) =>
    document.querySelectorAll(selector)[index]?.getAttribute(name) ?? null,
  // The colours the element is drawn in, text and background, as the page computes them.
  colours: (selector, index) => {
    const found = document.querySelectorAll(selector)[index];
    const computed = found && getComputedStyle(found);
    return computed ? [computed.color, computed.backgroundColor] : null;
  },
  // Where the element's box has its centre in the viewport, once it is scrolled into view.
  centre: (selector, index) => {
    const found = document.querySelectorAll(selector)[index];
    if (!found)
      return null;
    found.scrollIntoView({block: 'nearest', inline: 'nearest'});
    const box = found.getBoundingClientRect();
    return {x: Math.round(box.left + box.width / 2), y: Math.round(box.top + box.height / 2)};
  },
  collectErrors: () => {
    window.pageErrors = [];
    addEventListener('error', (event) => pageErrors.push(String(event.message)));
    addEventListener('unhandledrejection', (event) => pageErrors.push(String(event.reason)));
  },
  errors: () => window.pageErrors || [],
};

function splitKey(combination) {
  const parts = combination.split('+');
  return {held: parts.slice(0, -1), key: parts[parts.length - 1] || '+'};
}

// The reading half of a browser, over a function that runs one of inPage's in the page.
function reader(run) {
  return {
    text: (selector, index = 0) => run(inPage.text, selector, index),
    count: (selector) => run(inPage.count, selector),
    attribute: (selector, index, name) => run(inPage.attribute, selector, index, name),
    colours: (selector, index) => run(inPage.colours, selector, index),
    centre: async (selector, index) => {
      const centre = await run(inPage.centre, selector, index);
      if (!centre)
        throw new Error(`no element ${selector} at index ${index}`);
      return centre;
    },
  };
}

// Chromium and Firefox, through puppeteer.
async function launchPuppeteer(engine, {viewport, deviceScaleFactor, touch}) {
  const {default: puppeteer} = await import('puppeteer-core');
  const browser = await puppeteer.launch({
    browser: engine === 'firefox' ? 'firefox' : 'chrome',
    executablePath: executables[engine],
    headless: true,
    args: engine === 'chromium' ? ['--no-sandbox'] : [],
    // A driven Firefox has no window with the system's focus: without its test mode the page
    // never holds the focus, and Space and Enter do not press the focused button.
    extraPrefsFirefox: {'focusmanager.testmode': true},
  });
  // puppeteer starts the browser as the leader of its own process group.
  const pid = browser.process()?.pid;
  if (pid)
    started.add(pid);
  const close = async () => {
    await browser.close().catch(() => {});
    if (pid)
      stopGroup(pid);
  };
  try {
    // The first page keeps the browser's window size in Firefox unless it is given its own.
    const [page] = await browser.pages();
    await page.setViewport({...viewport, deviceScaleFactor, hasTouch: touch, isMobile: touch});
    const errors = [];
    page.on('pageerror', (error) => errors.push(String(error.message || error)));
    const {centre, ...reads} = reader((read, ...args) => page.evaluate(read, ...args));
    return {
      engine,
      page,
      ...reads,
      goto: async (url) => {
        await page.goto(url, {waitUntil: 'load'});
      },
      click: async (selector, index = 0) => {
        const {x, y} = await centre(selector, index);
        await page.mouse.click(x, y);
      },
      tap: async (selector, index = 0) => {
        const {x, y} = await centre(selector, index);
        await page.touchscreen.tap(x, y);
      },
      press: async (combination) => {
        const {held, key} = splitKey(combination);
        for (const modifier of held)
          await page.keyboard.down(modifier);
        await page.keyboard.press(key === 'Space' ? ' ' : key);
        for (const modifier of held.reverse())
          await page.keyboard.up(modifier);
      },
      screenshot: async (path) => {
        await page.screenshot({path});
      },
      errors: async () => [...errors],
      close,
    };
  } catch (error) {
    await close();
    throw error;
  }
}

// A free port on 127.0.0.1, for a driver that must be told where to listen.
function freePort() {
  return new Promise((resolve, reject) => {
    const probe = net.createServer();
    probe.on('error', reject);
    probe.listen(0, '127.0.0.1', () => {
      const {port} = probe.address();
      probe.close(() => resolve(port));
    });
  });
}

// An X server of its own: Xvfb picks a free display and writes its number on a pipe.
function startXvfb() {
  return new Promise((resolve, reject) => {
    const xvfb = startGroup('Xvfb', ['-displayfd', '3', '-screen', '0', '1280x1024x24',
                                     '-nolisten', 'tcp'],
                            {stdio: ['ignore', 'ignore', 'pipe', 'pipe']});
    let written = '';
    let complaints = '';
    xvfb.stderr.on('data', (data) => complaints += data);
    xvfb.stdio[3].on('data', (data) => {
      written += data;
      if (written.includes('\n'))
        resolve({display: `:${written.trim()}`, pid: xvfb.pid});
    });
    xvfb.on('exit', (code) =>
      reject(new Error(`Xvfb ended (${code}) before it had a display: ${complaints}`)));
  });
}

const webdriverKeys = {
  Shift: '\uE008', Control: '\uE009', Alt: '\uE00A', Meta: '\uE03D',
  Tab: '\uE004', Enter: '\uE007', Escape: '\uE00C', Space: '\uE00D', Backspace: '\uE003',
  ArrowLeft: '\uE012', ArrowUp: '\uE013', ArrowRight: '\uE014', ArrowDown: '\uE015',
  Home: '\uE011', End: '\uE010', F10: '\uE03A',
};

function webdriverKey(name) {
  if (webdriverKeys[name])
    return webdriverKeys[name];
  if ([...name].length !== 1)
    throw new Error(`no WebDriver key for ${name}`);
  return name;
}

// Answers a function that makes one WebDriver call and answers its value.
function webdriverClient(base) {
  return async (method, path, body) => {
    const response = await fetch(base + path, {
      method,
      headers: {'Content-Type': 'application/json'},
      body: body === undefined ? undefined : JSON.stringify(body),
    });
    const answer = await response.json().catch(() => ({}));
    if (!response.ok) {
      const {error = '', message = ''} = answer.value || {};
      throw new Error(`WebDriver ${method} ${path}: ${response.status} ${error} ${message}`);
    }
    return answer.value;
  };
}

// WebKit: WebKitWebDriver starts MiniBrowser in automation mode on the private X display.
async function launchWebKit({viewport, deviceScaleFactor}) {
  if (deviceScaleFactor !== 1)
    throw new Error(`WebKit runs at the X display's scale only, not at ${deviceScaleFactor}`);
  const xvfb = await startXvfb();
  let driverPid = 0;
  let session = null;
  const stop = () => {
    stopGroup(driverPid);
    stopGroup(xvfb.pid);
  };
  try {
    const port = await freePort();
    driverPid = startGroup(executables.webkitDriver, [`--port=${port}`, '--host=127.0.0.1'],
                           {stdio: 'ignore', env: {...process.env, DISPLAY: xvfb.display}}).pid;
    const call = webdriverClient(`http://127.0.0.1:${port}`);
    for (let tries = 0;; ++tries) {
      const status = await call('GET', '/status').catch((error) => ({error}));
      if (status.ready)
        break;
      if (tries === 100)
        throw new Error(`WebKitWebDriver is not ready on port ${port}: ${status.error?.message}`);
      await new Promise((done) => setTimeout(done, 100));
    }
    const created = await call('POST', '/session', {capabilities: {alwaysMatch: {
      'webkitgtk:browserOptions': {binary: executables.miniBrowser, args: ['--automation']},
    }}});
    session = `/session/${created.sessionId}`;
    const run = (read, ...args) =>
      call('POST', `${session}/execute/sync`, {script: `return (${read})(...arguments);`, args});
    // WebDriver sets the window's outer size: grow it by what the browser's frame takes.
    await call('POST', `${session}/window/rect`, {x: 0, y: 0, ...viewport});
    const [across, down] = await run(() => [innerWidth, innerHeight]);
    await call('POST', `${session}/window/rect`, {
      width: 2 * viewport.width - across, height: 2 * viewport.height - down});
    const act = (actions) => call('POST', `${session}/actions`, {actions});
    const {centre, ...reads} = reader(run);
    const pointAt = async (selector, index, pointerType) => {
      const {x, y} = await centre(selector, index);
      await act([{type: 'pointer', id: pointerType, parameters: {pointerType}, actions: [
        {type: 'pointerMove', x, y, origin: 'viewport', duration: 0},
        {type: 'pointerDown', button: 0},
        {type: 'pointerUp', button: 0},
      ]}]);
    };
    return {
      engine: 'webkit',
      ...reads,
      goto: async (url) => {
        await call('POST', `${session}/url`, {url});
        await run(inPage.collectErrors);
      },
      click: (selector, index = 0) => pointAt(selector, index, 'mouse'),
      tap: (selector, index = 0) => pointAt(selector, index, 'touch'),
      press: async (combination) => {
        const {held, key} = splitKey(combination);
        const modifiers = held.map(webdriverKey);
        const value = webdriverKey(key);
        await act([{type: 'key', id: 'keyboard', actions: [
          ...modifiers.map((modifier) => ({type: 'keyDown', value: modifier})),
          {type: 'keyDown', value},
          {type: 'keyUp', value},
          ...modifiers.reverse().map((modifier) => ({type: 'keyUp', value: modifier})),
        ]}]);
      },
      screenshot: async (path) => {
        fs.writeFileSync(path, Buffer.from(await call('GET', `${session}/screenshot`), 'base64'));
      },
      errors: () => run(inPage.errors),
      close: async () => {
        if (session)
          await call('DELETE', session).catch(() => {});
        session = null;
        stop();
      },
    };
  } catch (error) {
    stop();
    throw error;
  }
}

export async function launch(engine, {viewport = {width: 1024, height: 768}, deviceScaleFactor = 1,
                                      touch = false} = {}) {
  if (engine === 'chromium' || engine === 'firefox')
    return launchPuppeteer(engine, {viewport, deviceScaleFactor, touch});
  if (engine === 'webkit')
    return launchWebKit({viewport, deviceScaleFactor});
  throw new Error(`no engine ${engine}: chromium, firefox or webkit`);
}
