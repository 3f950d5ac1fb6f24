// The page as a gallery in headless Chromium: the grid of thumbnails, favourites kept
// and carried in a file, each picture's words, an idle page, and the slideshow and
// address faults a tester found. Run by tools/run-web-tests.sh after page_test.mjs.
import { after, before, describe, test } from 'node:test';
import assert from 'node:assert/strict';
import { mkdirSync, writeFileSync } from 'node:fs';
import path from 'node:path';

import { address, allowDownloads, canvasRgbHash, launchBrowser, message, openPage, waitForFile,
  waitForPicture } from './browser.mjs';
import { nativeHashes, nativeWords } from './native_pictures.mjs';
import { output, pageUrl, renderer, servePage } from './page_fixture.mjs';

const FIRST_THUMBNAILS = [0, 1, 2, 3];
let chromium;
let server;

const sleep = (ms) => new Promise((resolve) => setTimeout(resolve, ms));
const linkCount = (page) => page.evaluate(() => document.querySelectorAll('#grid-cells a').length);

// Waits until every link on the screen shows its thumbnail.
const waitForThumbnailsOnScreen = (page) => page.waitForFunction(() => {
  const onScreen = [...document.querySelectorAll('#grid-cells a')].filter((link) => {
    const box = link.getBoundingClientRect();
    return box.bottom > 0 && box.top < window.innerHeight;
  });
  return onScreen.length > 0 && onScreen.every((link) => link.dataset.drawn === 'true');
}, { timeout: 20000 });

before(async () => {
  mkdirSync(output, { recursive: true });
  chromium = await launchBrowser();
  server = await servePage();
});

after(async () => {
  await chromium?.close();
  server?.close();
});

describe('the grid', () => {
  test('its first thumbnails are the renderer\'s at 160 x 120', async () => {
    const native = nativeHashes(renderer, FIRST_THUMBNAILS, ['--size', '160x120']);
    const page = await openPage(chromium.browser, pageUrl('#grid'));
    await waitForThumbnailsOnScreen(page);
    for (const n of FIRST_THUMBNAILS) {
      assert.equal(await canvasRgbHash(page, `#grid-cells a[href="#${n}"] canvas`), native.get(n), `thumbnail ${n}`);
    }
    await page.close();
  });

  test('a thumbnail opens its exact picture; Back and the Grid button return to it', async () => {
    const page = await openPage(chromium.browser, pageUrl('#grid'));
    await page.setViewport({ width: 1280, height: 800 });
    await waitForThumbnailsOnScreen(page);
    await page.screenshot({ path: path.join(output, 'grid-wide.png') });
    await page.click('#grid-cells a[href="#7"]');
    await waitForPicture(page, 7);
    assert.equal(await address(page), '#7');
    assert.equal(await canvasRgbHash(page), nativeHashes(renderer, [7]).get(7));
    const focused = () => page.evaluate(() => document.activeElement.getAttribute('href'));
    await page.goBack();
    await page.waitForSelector('#grid-cells a[href="#7"]');
    assert.equal(await address(page), '#grid=7');
    await page.goForward();
    await waitForPicture(page, 7);
    await page.click('#to-grid');
    await page.waitForSelector('#grid-cells a[href="#7"]');
    assert.equal(await address(page), '#grid=7');
    assert.equal(await focused(), '#7');
    assert.deepEqual(page.problems, []);
    await page.close();
  });

  test('covers all 32,768 with at most 600 links, on a wide screen and a phone', async () => {
    const page = await openPage(chromium.browser, pageUrl('#grid=20000'));
    const numbersInDocument = () => page.evaluate(() =>
      [...document.querySelectorAll('#grid-cells a')].map((link) => Number(link.dataset.picture)));
    assert.ok((await numbersInDocument()).includes(20000));
    await page.evaluate(() => window.scrollTo(0, document.documentElement.scrollHeight));
    await page.waitForSelector('#grid-cells a[href="#32767"]');
    const atEnd = await numbersInDocument();
    assert.equal(atEnd.at(-1), 32767, 'the last link');
    assert.ok(atEnd.length <= 600, `${atEnd.length} links`);
    assert.deepEqual(atEnd, [...atEnd].sort((a, b) => a - b), 'links in order');

    await page.setViewport({ width: 390, height: 844 });
    await page.evaluate(() => { location.hash = '#grid'; });
    await page.waitForSelector('#grid-cells a[href="#0"]');
    const columns = await page.evaluate(() =>
      new Set([...document.querySelectorAll('#grid-cells a')].map((link) => link.style.left)).size);
    assert.equal(columns, 2);
    await waitForThumbnailsOnScreen(page);
    await page.screenshot({ path: path.join(output, 'grid-phone.png') });
    assert.ok((await linkCount(page)) <= 600);
    await page.close();
  });
});

describe('favourites', () => {
  const KEY = 'vorrith.favourites';
  const starred = (page) => page.evaluate(() => document.getElementById('favourite').getAttribute('aria-pressed'));

  test('survive a reload, show as a grid, and go out to a file and back in', async () => {
    const page = await openPage(chromium.browser, pageUrl('#12345'));
    await page.evaluate(() => localStorage.clear());
    await page.click('#favourite');
    assert.equal(await starred(page), 'true');
    assert.match(await message(page), /12345 is a favourite/);
    await page.evaluate(() => { location.hash = '#4242'; });
    await waitForPicture(page, 4242);
    assert.equal(await starred(page), 'false');
    await page.click('#favourite');
    await page.reload();
    await waitForPicture(page, 4242);
    assert.equal(await starred(page), 'true');

    await page.evaluate(() => { location.hash = '#favourites'; });
    await page.waitForSelector('#grid-cells a[href="#4242"]');
    assert.equal(await linkCount(page), 2);
    const downloads = await allowDownloads(page, path.join(output, 'favourites'));
    await page.click('#export');
    const exported = (await waitForFile(path.join(downloads, 'Vorrith favourites.txt'))).toString();
    assert.match(exported, /^file:\/\/\S+index\.html#12345\nfile:\/\/\S+index\.html#4242\n$/);

    await page.evaluate((key) => localStorage.setItem(key, '[7]'), KEY);
    await page.reload();
    await page.waitForSelector('#grid-cells a[href="#7"]');
    const imported = path.join(downloads, 'import.txt');
    writeFileSync(imported, `${exported}not a link\n7\n`);
    await (await page.$('#import-file')).uploadFile(imported);
    await page.waitForFunction(() => document.getElementById('message').textContent.startsWith('Added'));
    assert.equal(await message(page),
      'Added 2 favourites from import.txt; 1 picture was one already; 1 line named no picture.');
    assert.deepEqual(JSON.parse(await page.evaluate((key) => localStorage.getItem(key), KEY)), [7, 12345, 4242]);
    assert.deepEqual(page.problems, []);
    await page.close();
  });

  test('a stored value that is no list is reported, kept aside, and never thrown', async () => {
    const page = await openPage(chromium.browser, pageUrl('#12345'));
    for (const foreign of ['{not json', '{"theme":"dark"}', '[1, "two"]', '[40000]']) {
      await page.evaluate((key, value) => localStorage.setItem(key, value), KEY, foreign);
      await page.reload();
      await waitForPicture(page, 12345);
      assert.match(await message(page), /favourites stored in this browser are not a list/, foreign);
      assert.equal(await starred(page), 'false');
    }
    await page.click('#favourite');
    const stored = await page.evaluate((key) =>
      [localStorage.getItem(key), localStorage.getItem(`${key}.unreadable`)], KEY);
    assert.deepEqual(stored, ['[12345]', '[40000]']);
    assert.deepEqual(page.problems, []);
    await page.close();
  });
});

test('the caption and the text alternative say what --describe says', async () => {
  const page = await openPage(chromium.browser, pageUrl('#12345'));
  for (const n of [12345, 4242, 100]) {
    await page.evaluate((want) => { location.hash = `#${want}`; }, n);
    await waitForPicture(page, n);
    const words = nativeWords(renderer, n);
    const shown = await page.evaluate(() => ({
      caption: document.getElementById('caption').textContent,
      label: document.getElementById('picture').getAttribute('aria-label'),
    }));
    assert.deepEqual(shown, { caption: words.sentence, label: words.sentence });
    assert.ok(words.sentence.includes(words.ground), `${words.sentence} names the ground`);
  }
  await page.close();
});

test('a picture left alone asks for no animation frame in 3 s', async () => {
  const page = await openPage(chromium.browser, pageUrl('#12345'), (tab) => tab.evaluateOnNewDocument(() => {
    window.animationFramesAsked = 0;
    const ask = window.requestAnimationFrame.bind(window);
    window.requestAnimationFrame = (callback) => {
      window.animationFramesAsked += 1;
      return ask(callback);
    };
  }));
  await page.evaluate(() => { window.animationFramesAsked = 0; });  // the test's own waiting polls on frames
  await sleep(3000);
  assert.equal(await page.evaluate(() => window.animationFramesAsked), 0);
  await page.close();
});

describe('the slideshow', () => {
  // A wake lock that records its state, where the headless browser may refuse one.
  const recordWakeLocks = (tab) => tab.evaluateOnNewDocument(() => {
    window.wakeLocks = [];
    Object.defineProperty(navigator, 'wakeLock', {
      value: {
        request: async () => {
          const lock = Object.assign(new EventTarget(), { released: false });
          lock.release = async () => { lock.released = true; };
          window.wakeLocks.push(lock);
          return lock;
        },
      },
    });
  });
  const wakeLocks = (page) => page.evaluate(() => window.wakeLocks.map((lock) => lock.released));

  test('Back ends it without losing a history entry, and focus returns to its button', async () => {
    const page = await openPage(chromium.browser, pageUrl('#12345'), recordWakeLocks);
    await page.click('#slideshow');
    await page.waitForFunction(() => location.hash !== '#12345', { timeout: 15000 });
    const first = await address(page);
    const fullScreen = await page.evaluate(() => document.fullscreenElement !== null);
    assert.deepEqual(await wakeLocks(page), fullScreen ? [false] : []);
    await page.goBack();
    // Focus returns once it has ended, after any step under way.
    await page.waitForFunction(() => document.activeElement.id === 'slideshow', { timeout: 5000 });
    assert.equal(await page.evaluate(() => document.getElementById('slideshow-screen').hidden), true);
    assert.equal(await address(page), '#12345');
    assert.equal(await page.evaluate(() => Number(document.getElementById('picture').dataset.picture)), 12345);
    assert.deepEqual(await wakeLocks(page), fullScreen ? [true] : []);
    await page.goForward();
    await waitForPicture(page, Number(first.slice(1)));
    assert.deepEqual(page.problems, []);
    await page.close();
  });

  test('with reduced motion each fade covers the whole 4:3 area from its first frame', async () => {
    const page = await openPage(chromium.browser, pageUrl('#12345'));
    await page.setViewport({ width: 1280, height: 720 });
    await page.emulateMediaFeatures([{ name: 'prefers-reduced-motion', value: 'reduce' }]);
    await page.click('#slideshow');
    await page.waitForFunction(() => document.getElementById('slideshow-screen').dataset.frame !== undefined,
      { timeout: 15000 });
    assert.equal(await page.evaluate(() => document.getElementById('slideshow-screen').dataset.frameWidth), '960');
    await page.keyboard.press('KeyX');
    await page.waitForFunction(() => document.getElementById('slideshow-screen').hidden);
    await page.close();
  });
});

describe('the address', () => {
  test('a good address after a bad one clears the message', async () => {
    const page = await openPage(chromium.browser, pageUrl('#12345'));
    await page.evaluate(() => { location.hash = '#abc'; });
    await page.waitForFunction(() => document.getElementById('message').textContent !== '');
    await page.evaluate(() => { location.hash = '#0012345'; });
    await page.waitForFunction(() => location.hash === '#12345');
    assert.equal(await message(page), '');
    await page.close();
  });

  test('a held arrow key adds one history entry', async () => {
    const page = await openPage(chromium.browser, pageUrl('#100'));
    const entries = () => page.evaluate(() => history.length);
    const before = await entries();
    for (let i = 0; i < 5; ++i) await page.keyboard.down('ArrowRight');  // the first press, then repeats
    await page.keyboard.up('ArrowRight');
    await waitForPicture(page, 105);
    assert.equal((await entries()) - before, 1);
    await page.goBack();
    await waitForPicture(page, 100);
    await page.close();
  });

  test('served, the page asks for nothing but itself, its icon inline', async () => {
    const failed = [];
    const page = await openPage(chromium.browser, server.url('#12345'), async (tab) => {
      tab.on('response', (response) => { if (response.status() >= 400) failed.push(response.url()); });
    });
    await sleep(500);
    assert.deepEqual(failed, []);
    assert.match(await page.evaluate(() => document.querySelector('link[rel=icon]').href), /^data:image\/svg\+xml,/);
    await page.close();
  });
});
