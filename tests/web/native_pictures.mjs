// The native renderer's pictures, as hashes of their pixels, to hold the page's
// canvases against; and the repository's lists of sample and reference image numbers.
import { execFileSync } from 'node:child_process';
import { createHash } from 'node:crypto';
import { mkdtempSync, readFileSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import path from 'node:path';

// SHA-256 of the pixels as R, G, B bytes, rows top to bottom: the form both sides share.
export function rgbHash(rgb) {
  return createHash('sha256').update(rgb).digest('hex');
}

// RGB bytes, top row first, of a 24-bit bottom-up BMP (of the picture's size unless the
// renderer was asked for another).
export function bmpRgb(bmp) {
  const offset = bmp.readUInt32LE(10);
  const width = bmp.readInt32LE(18);
  const height = bmp.readInt32LE(22);
  if (width <= 0 || height <= 0 || bmp.readUInt16LE(28) !== 24) throw new Error('not a 24-bit bottom-up BMP');
  const stride = Math.ceil((width * 3) / 4) * 4;
  const rgb = Buffer.alloc(width * height * 3);
  for (let y = 0; y < height; ++y) {
    const row = offset + (height - 1 - y) * stride;
    for (let x = 0; x < width; ++x) {
      const i = row + x * 3;
      const o = (y * width + x) * 3;
      rgb[o] = bmp[i + 2];
      rgb[o + 1] = bmp[i + 1];
      rgb[o + 2] = bmp[i];
    }
  }
  return rgb;
}

// Renders the numbers with the native renderer (and any further options, such as a
// --size); a Map from number to RGB hash.
export function nativeHashes(renderer, numbers, options = []) {
  const folder = mkdtempSync(path.join(tmpdir(), 'vorrith-native-'));
  try {
    execFileSync(renderer, ['--out-dir', folder, '--jobs', '2', ...options, ...numbers.map(String)], { stdio: 'pipe' });
    return new Map(numbers.map((n) => [n, rgbHash(bmpRgb(readFileSync(path.join(folder, `Vorrith${n}.Bmp`))))]));
  } finally {
    rmSync(folder, { recursive: true, force: true });
  }
}

// The sentence `--describe` gives a picture ("in words: ..."), as the page's caption
// says it: "Picture N: ...". Also the ground's words from its scene type line.
export function nativeWords(renderer, n) {
  const text = execFileSync(renderer, ['--describe', String(n)], { encoding: 'utf8' });
  return {
    sentence: `Picture ${n}: ${/^in words: (.*)$/m.exec(text)[1]}`,
    ground: /^scene type: \d+ \((.*)\)$/m.exec(text)[1],
  };
}

// The 64 sample numbers that every build's whole-picture comparison uses.
export function sampleNumbers(repository) {
  const header = readFileSync(path.join(repository, 'tests/support/sample_images.h'), 'utf8');
  const list = header.slice(header.indexOf('= {') + 3, header.indexOf('}', header.indexOf('= {')));
  const numbers = list.split(',').map((s) => Number(s.trim()));
  if (numbers.length !== 64 || numbers.some((n) => !Number.isInteger(n))) {
    throw new Error('cannot read the 64 sample numbers');
  }
  return numbers;
}

// The 256 image numbers of the reference checkpoints, in ascending order.
export function referenceNumbers(repository) {
  const text = readFileSync(path.join(repository, 'tests/data/checkpoints.txt'), 'utf8');
  const numbers = new Set();
  for (const line of text.split('\n')) {
    if (line !== '' && !line.startsWith('#')) numbers.add(Number.parseInt(line, 10));
  }
  return [...numbers].sort((a, b) => a - b);
}

// The native renderer's time per picture over the numbers, drawing without writing on
// one core: the best of three runs, in milliseconds.
export function nativeMsPerPicture(renderer, numbers) {
  const runs = [1, 2, 3].map(() => {
    const started = process.hrtime.bigint();
    execFileSync(renderer, ['--jobs', '1', '--dry-run', ...numbers.map(String)], { stdio: 'pipe' });
    return Number(process.hrtime.bigint() - started) / 1e6;
  });
  return Math.min(...runs) / numbers.length;
}
