// Picture numbers as people type them into the box or the address.
'use strict';

const PICTURE_COUNT = 32768;

// Reads a picture number from text such as "12345" (surrounding spaces and leading
// zeros allowed). Returns { number } or { error }, a sentence for the person who typed it.
function readPictureNumber(text) {
  const trimmed = String(text).trim();
  const quoted = trimmed.length > 24 ? `“${trimmed.slice(0, 24)}…”` : `“${trimmed}”`;
  if (trimmed === '') {
    return { error: 'Type a picture number from 0 to 32767.' };
  }
  if (!/^[0-9]+$/.test(trimmed)) {
    return { error: `${quoted} is not a picture number: pictures are numbered 0 to 32767.` };
  }
  const number = Number(trimmed);
  if (number >= PICTURE_COUNT) {
    return { error: `There is no picture ${quoted}: pictures are numbered 0 to 32767.` };
  }
  return { number };
}

// The picture number of a location's hash ("#12345"); null when the hash is empty.
function readAddressNumber(hash) {
  const raw = hash.startsWith('#') ? hash.slice(1) : hash;
  if (raw === '') return null;
  let text;
  try {
    text = decodeURIComponent(raw);
  } catch (e) {
    text = raw;
  }
  return readPictureNumber(text);
}

// The picture after or before n, wrapping round at both ends.
function stepPictureNumber(n, step) {
  return (((n + step) % PICTURE_COUNT) + PICTURE_COUNT) % PICTURE_COUNT;
}

function randomPictureNumber() {
  const value = new Uint32Array(1);
  crypto.getRandomValues(value);
  return value[0] % PICTURE_COUNT;
}
