// Picture numbers as people type them into the box or the address: 0 to the highest
// image number of the drawing library (its kMaxImageNumber, which the engine reports).
'use strict';

class PictureNumbers {
  constructor(maxNumber) {
    this.max = maxNumber;
    this.count = maxNumber + 1;
  }

  // Reads a picture number from text such as "12345" (surrounding spaces and leading
  // zeros allowed). Returns { number } or { error }, a sentence for the person who typed it.
  read(text) {
    const trimmed = String(text).trim();
    const quoted = trimmed.length > 24 ? `“${trimmed.slice(0, 24)}…”` : `“${trimmed}”`;
    if (trimmed === '') {
      return { error: `Type a picture number from 0 to ${this.max}.` };
    }
    if (!/^[0-9]+$/.test(trimmed)) {
      return { error: `${quoted} is not a picture number: pictures are numbered 0 to ${this.max}.` };
    }
    const number = Number(trimmed);
    if (number > this.max) {
      return { error: `There is no picture ${quoted}: pictures are numbered 0 to ${this.max}.` };
    }
    return { number };
  }

  // The picture number of a location's hash ("#12345"); null when the hash is empty.
  readAddress(hash) {
    const raw = hash.startsWith('#') ? hash.slice(1) : hash;
    if (raw === '') return null;
    let text;
    try {
      text = decodeURIComponent(raw);
    } catch (e) {
      text = raw;
    }
    return this.read(text);
  }

  // The picture after or before n, wrapping round at both ends.
  step(n, step) {
    return (((n + step) % this.count) + this.count) % this.count;
  }

  random() {
    const value = new Uint32Array(1);
    crypto.getRandomValues(value);
    return value[0] % this.count;
  }
}
