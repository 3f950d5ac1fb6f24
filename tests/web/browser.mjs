// Headless Chromium for the page's tests, driven by puppeteer-core: the system's
// Chromium with a fresh profile, nothing fetched from the network.
import { mkdtempSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import path from 'node:path';
import puppeteer from 'puppeteer-core';

const CHROMIUM = process.env.VORRITH_CHROMIUM || '/usr/bin/chromium';

export async function launchBrowser() {
  const profile = mkdtempSync(path.join(tmpdir(), 'vorrith-chromium-'));
  const browser = await puppeteer.launch({
    executablePath: CHROMIUM,
    headless: true,
    userDataDir: profile,
    defaultViewport: { width: 1024, height: 768 },
    args: ['--no-sandbox', '--disable-gpu', '--disable-background-networking', '--disable-component-update',
      '--disable-sync', '--no-first-run', '--window-size=1024,768'],
  });
  return {
    browser,
    async close() {
      await browser.close();
      rmSync(profile, { recursive: true, force: true });
    },
  };
}

// Opens url in a new tab and waits until the page has shown its first picture.
export async function openPage(browser, url) {
  const page = await browser.newPage();
  const problems = [];
  page.on('pageerror', (error) => problems.push(error.message));
  page.on('console', (message) => { if (message.type() === 'error') problems.push(message.text()); });
  page.problems = problems;
  await page.goto(url);
  await page.waitForFunction(() => document.body.dataset.ready === 'true' &&
    document.getElementById('picture').dataset.picture !== undefined, { timeout: 20000 });
  return page;
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
