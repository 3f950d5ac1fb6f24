// Headless Chromium for the page's tests, driven by puppeteer-core: the system's
// Chromium with a fresh profile, nothing fetched from the network.
import { existsSync, mkdirSync, mkdtempSync, readFileSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import path from 'node:path';
import puppeteer from 'puppeteer-core';

const CHROMIUM = process.env.VORRITH_CHROMIUM || '/usr/bin/chromium';
// Headless Chromium keeps the address bar's popup (a page of its own, in a renderer of its
// own) up to date on every change of address, though it never shows it: that work took
// several milliseconds of processor time per picture browsed, beside the page's.
const UNSHOWN_BROWSER_PARTS = '--disable-features=WebUIOmniboxPopup,WebUIOmniboxAimPopup';

export async function launchBrowser() {
  const profile = mkdtempSync(path.join(tmpdir(), 'vorrith-chromium-'));
  const browser = await puppeteer.launch({
    executablePath: CHROMIUM,
    headless: true,
    userDataDir: profile,
    defaultViewport: { width: 1024, height: 768 },
    args: ['--no-sandbox', '--disable-gpu', '--disable-background-networking', '--disable-component-update',
      '--disable-sync', '--no-first-run', '--window-size=1024,768', UNSHOWN_BROWSER_PARTS],
  });
  return {
    browser,
    async close() {
      await browser.close();
      rmSync(profile, { recursive: true, force: true });
    },
  };
}

// Opens url in a new tab and waits until the page is ready and, unless it opens on a
// grid, has shown its first picture. prepare(page) runs before the page loads.
export async function openPage(browser, url, prepare = async () => {}) {
  const page = await browser.newPage();
  const problems = [];
  page.on('pageerror', (error) => problems.push(error.message));
  page.on('console', (message) => { if (message.type() === 'error') problems.push(message.text()); });
  page.problems = problems;
  await prepare(page);
  await page.goto(url);
  await page.waitForFunction(() => document.body.dataset.ready === 'true' &&
    (document.body.dataset.view === 'grid' || document.getElementById('picture').dataset.picture !== undefined),
  { timeout: 20000 });
  return page;
}

// Downloads of the page go to folder (made if missing), which is returned.
export async function allowDownloads(page, folder) {
  mkdirSync(folder, { recursive: true });
  const session = await page.createCDPSession();
  await session.send('Browser.setDownloadBehavior', { behavior: 'allow', downloadPath: folder });
  return folder;
}

// The bytes of a downloaded file, once it is there (10 s at most).
export async function waitForFile(file) {
  for (let waited = 0; !existsSync(file) && waited < 10000; waited += 100) {
    await new Promise((resolve) => setTimeout(resolve, 100));
  }
  return readFileSync(file);
}

export async function shownPicture(page) {
  return page.evaluate(() => Number(document.getElementById('picture').dataset.picture));
}

export async function waitForPicture(page, n) {
  await page.waitForFunction((want) => document.getElementById('picture').dataset.picture === String(want),
    { timeout: 10000 }, n);
}

export async function address(page) {
  return page.evaluate(() => location.hash);
}

export async function message(page) {
  return page.evaluate(() => document.getElementById('message').textContent);
}

// SHA-256 of a canvas's pixels as R, G, B bytes, rows top to bottom (see native_pictures).
export async function canvasRgbHash(page, selector = '#picture') {
  return page.evaluate(async (sel) => {
    const canvas = document.querySelector(sel);
    const rgba = canvas.getContext('2d').getImageData(0, 0, canvas.width, canvas.height).data;
    const rgb = new Uint8Array((rgba.length / 4) * 3);
    for (let i = 0, o = 0; i < rgba.length; i += 4, o += 3) {
      rgb[o] = rgba[i];
      rgb[o + 1] = rgba[i + 1];
      rgb[o + 2] = rgba[i + 2];
    }
    const digest = new Uint8Array(await crypto.subtle.digest('SHA-256', rgb));
    return [...digest].map((b) => b.toString(16).padStart(2, '0')).join('');
  }, selector);
}
