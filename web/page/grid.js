// The grid: a list of pictures (all of them, or the favourites) as rows of thumbnails,
// each a link to its picture. The grid's block is as tall as all its rows, so the page's
// scroll bar spans the whole list and dragging it anywhere works; only the rows on the
// screen and a few beyond are in the document (never more than MOST_GRID_LINKS links),
// and only their thumbnails are drawn, those on the screen first.
'use strict';

const GRID_GAP = 12;
const GRID_LABEL_HEIGHT = 22;
const GRID_COLUMN_WIDTH = THUMBNAIL_WIDTH + GRID_GAP;
const GRID_ROW_HEIGHT = THUMBNAIL_HEIGHT + GRID_LABEL_HEIGHT + GRID_GAP;
const MOST_GRID_LINKS = 600;
const NEAR_ROWS = 3;  // rows kept ready above and below the screen, where links allow

// The pictures 0 ... count - 1, or those of a list, as the grid reads them.
class GridList {
  static all(count) {
    return new GridList(count, (i) => i, (n) => n);
  }

  static of(numbers) {
    return new GridList(numbers.length, (i) => numbers[i], (n) => numbers.indexOf(n));
  }

  constructor(count, at, indexOf) {
    this.count = count;
    this.at = at;
    this.indexOf = indexOf;
  }
}

class ThumbnailGrid {
  // block: the grid's element; barHeight(): the height of the bar that stays over its top.
  constructor(block, barHeight) {
    this.block = block;
    this.barHeight = barHeight;
    this.list = GridList.of([]);
    this.columns = 1;
    this.cells = new Map();  // index in the list -> link, for the indices in the document
    this.cellOfNumber = new Map();
    this.shown = false;
    this.pool = new ThumbnailPool({
      onThumbnail: (n, image) => this.showThumbnail(n, image),
      onError: (error) => this.onError(error),
    });
    this.onError = () => {};
    window.addEventListener('scroll', () => this.update(), { passive: true });
    window.addEventListener('resize', () => { if (this.shown) this.show(this.list, this.firstNumberOnScreen()); });
  }

  // Shows the list with picture `start` on the top row; from the top when it is null or
  // not in the list.
  show(list, start) {
    this.shown = true;
    this.list = list;
    this.columns = Math.max(1, Math.floor((this.block.clientWidth + GRID_GAP) / GRID_COLUMN_WIDTH));
    this.margin = Math.max(0, Math.floor((this.block.clientWidth + GRID_GAP - this.columns * GRID_COLUMN_WIDTH) / 2));
    this.rows = Math.ceil(list.count / this.columns);
    this.block.style.height = `${Math.max(0, this.rows * GRID_ROW_HEIGHT - GRID_GAP)}px`;
    this.clear();
    const index = start === null ? -1 : list.indexOf(start);
    const row = index < 0 ? 0 : Math.floor(index / this.columns);
    window.scrollTo(0, row === 0 ? 0 : this.top() - this.barHeight() + row * GRID_ROW_HEIGHT);
    this.update();
  }

  hide() {
    this.shown = false;
    this.clear();
    this.pool.want([]);
  }

  clear() {
    for (const cell of this.cells.values()) cell.remove();
    this.cells.clear();
    this.cellOfNumber.clear();
  }

  // The block's top in the document.
  top() {
    return this.block.getBoundingClientRect().top + window.scrollY;
  }

  // The rows on the screen below the bar, [first, last], clamped to the grid's rows.
  rowsOnScreen() {
    const offset = window.scrollY + this.barHeight() - this.top();
    const clamp = (row) => Math.min(Math.max(row, 0), Math.max(0, this.rows - 1));
    const rowAt = (y) => clamp(Math.floor(y / GRID_ROW_HEIGHT));
    return [rowAt(offset), rowAt(offset + window.innerHeight)];
  }

  firstNumberOnScreen() {
    const [first] = this.rowsOnScreen();
    return this.list.count === 0 ? 0 : this.list.at(Math.min(first * this.columns, this.list.count - 1));
  }

  // Puts the rows on and near the screen in the document and asks for their thumbnails.
  update() {
    if (!this.shown) return;
    const [first, last] = this.rowsOnScreen();
    const rowsAllowed = Math.max(1, Math.floor(MOST_GRID_LINKS / this.columns));
    const near = Math.min(NEAR_ROWS, Math.max(0, Math.floor((rowsAllowed - (last - first + 1)) / 2)));
    const fromRow = Math.max(0, first - near);
    const toRow = Math.min(last + near, fromRow + rowsAllowed - 1);
    const start = fromRow * this.columns;
    const end = Math.min(this.list.count, (toRow + 1) * this.columns);
    this.placeCells(start, end);
    // On the screen first, then below it, then above.
    const onScreen = Math.min(end, Math.max(start, first * this.columns));
    const order = [];
    for (let i = onScreen; i < end; ++i) order.push(this.list.at(i));
    for (let i = onScreen - 1; i >= start; --i) order.push(this.list.at(i));
    this.pool.want(order.filter((n) => this.cellOfNumber.get(n).dataset.drawn === undefined));
  }

  // Keeps the links of indices start ... end - 1 in the document, in order (so Tab goes
  // through them in order), adding and removing only what changed.
  placeCells(start, end) {
    for (const [i, cell] of this.cells) {
      if (i >= start && i < end) continue;
      cell.remove();
      this.cells.delete(i);
      this.cellOfNumber.delete(Number(cell.dataset.picture));
    }
    const firstKept = this.cells.size > 0 ? Math.min(...this.cells.keys()) : end;
    const above = [];
    const below = [];
    for (let i = start; i < end; ++i) {
      if (this.cells.has(i)) continue;
      const cell = this.makeCell(i);
      this.cells.set(i, cell);
      this.cellOfNumber.set(this.list.at(i), cell);
      (i < firstKept ? above : below).push(cell);
    }
    this.block.prepend(...above);
    this.block.append(...below);
  }

  makeCell(i) {
    const n = this.list.at(i);
    const cell = document.createElement('a');
    cell.className = 'thumbnail';
    cell.href = pictureAddress(n);
    cell.dataset.picture = String(n);
    cell.style.left = `${this.margin + (i % this.columns) * GRID_COLUMN_WIDTH}px`;
    cell.style.top = `${Math.floor(i / this.columns) * GRID_ROW_HEIGHT}px`;
    const canvas = document.createElement('canvas');
    canvas.width = THUMBNAIL_WIDTH;
    canvas.height = THUMBNAIL_HEIGHT;
    canvas.setAttribute('aria-hidden', 'true');
    const label = document.createElement('span');
    label.textContent = String(n);
    cell.append(canvas, label);
    const kept = this.pool.keptThumbnail(n);
    if (kept !== null) this.paint(cell, kept);
    return cell;
  }

  showThumbnail(n, image) {
    const cell = this.cellOfNumber.get(n);
    if (cell !== undefined) this.paint(cell, image);
  }

  paint(cell, image) {
    cell.firstChild.getContext('2d').putImageData(image, 0, 0);
    cell.dataset.drawn = 'true';
  }

  // Moves the keyboard's focus to picture n's link, when it is in the document.
  focus(n) {
    this.cellOfNumber.get(n)?.focus({ preventScroll: true });
  }
}
