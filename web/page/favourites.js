// Favourite pictures, kept in the browser's localStorage under one key as a JSON list of
// picture numbers in the order they were starred, and carried between browsers as a
// text file of links to them, one a line.
//
// A stored value this page cannot read (damaged, or some other program's) is never used
// and never thrown at anyone: the list starts empty and a sentence says why; before a new
// list is stored, the old value is moved aside under a key of its own, so nothing is lost.
'use strict';

const FAVOURITES_KEY = 'vorrith.favourites';
const UNREADABLE_FAVOURITES_KEY = 'vorrith.favourites.unreadable';
// A file of links to every picture is a few megabytes; anything far larger is not one.
const LARGEST_FAVOURITES_FILE = 16 * 1024 * 1024;

// The browser's localStorage, or null where the page may not use it (blocked storage
// throws on access).
function browserStorage() {
  try {
    return window.localStorage;
  } catch (error) {
    return null;
  }
}

class Favourites {
  constructor(numbers, storage = browserStorage()) {
    this.numbers = numbers;
    this.storage = storage;
    this.kept = [];
    this.unreadable = null;  // the stored text that could not be read, until moved aside
  }

  // Reads the stored list. Returns '' or a sentence saying why none could be read.
  load() {
    this.kept = [];
    this.unreadable = null;
    if (this.storage === null) return 'Favourites cannot be kept: this browser does not let the page store them.';
    let text;
    try {
      text = this.storage.getItem(FAVOURITES_KEY);
    } catch (error) {
      return `Favourites cannot be read: ${error.message}`;
    }
    if (text === null) return '';
    const list = this.parseStored(text);
    if (list === null) {
      this.unreadable = text;
      return 'The favourites stored in this browser are not a list of picture numbers, so none are shown; ' +
        'starring a picture starts a new list and keeps the old value aside.';
    }
    this.kept = list;
    return '';
  }

  // The stored JSON as a list of distinct picture numbers, or null.
  parseStored(text) {
    let value;
    try {
      value = JSON.parse(text);
    } catch (error) {
      return null;
    }
    if (!Array.isArray(value) || !value.every((n) => Number.isInteger(n) && n >= 0 && n <= this.numbers.max)) {
      return null;
    }
    return [...new Set(value)];
  }

  has(n) {
    return this.kept.includes(n);
  }

  list() {
    return this.kept;
  }

  // Stars or unstars n. Returns '' or a sentence saying why the change is not stored.
  toggle(n) {
    this.kept = this.has(n) ? this.kept.filter((kept) => kept !== n) : [...this.kept, n];
    return this.save();
  }

  // Adds the numbers not yet kept, in their order; returns how many were new.
  addAll(numbers) {
    const before = this.kept.length;
    this.kept = [...new Set([...this.kept, ...numbers])];
    return this.kept.length - before;
  }

  // Stores the list. Returns '' or a sentence saying why it could not be.
  save() {
    if (this.storage === null) {
      return 'Favourites are kept only until the page closes: this browser does not let the page store them.';
    }
    try {
      if (this.unreadable !== null) {
        this.storage.setItem(UNREADABLE_FAVOURITES_KEY, this.unreadable);
        this.unreadable = null;
      }
      this.storage.setItem(FAVOURITES_KEY, JSON.stringify(this.kept));
      return '';
    } catch (error) {
      return `Favourites could not be stored: ${error.message}`;
    }
  }

  // The favourites as a text file: a link to each picture on this page, one a line.
  exportText(pageUrl) {
    const base = pageUrl.split('#')[0];
    return this.kept.map((n) => `${base}${pictureAddress(n)}\n`).join('');
  }
}

// Reads a favourites file: each line a link ending in "#N", or just the number N; blank
// lines are skipped. Returns { numbers, unreadLines } (lines that named no picture).
function readFavouriteLinks(text, numbers) {
  const found = [];
  let unreadLines = 0;
  for (const line of text.split(/\r?\n/)) {
    const trimmed = line.trim();
    if (trimmed === '') continue;
    const match = /^(?:[^#]*#)?([0-9]+)$/.exec(trimmed);
    const read = match ? numbers.read(match[1]) : null;
    if (read && read.error === undefined) found.push(read.number);
    else unreadLines += 1;
  }
  return { numbers: found, unreadLines };
}
