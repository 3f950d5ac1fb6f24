// The grid's thumbnails, drawn by a pool of workers of their own (one per core, at most
// four) so that the picture view's worker stays free. Only what was asked for last is
// drawn: asking again drops the waiting thumbnails no longer wanted, so scrolling past
// thousands of pictures draws only those it stops at. Drawn thumbnails are kept for a
// while, so scrolling back shows them at once.
'use strict';

const THUMBNAIL_WIDTH = 160;
const THUMBNAIL_HEIGHT = 120;
const THUMBNAIL_WORKERS = Math.max(1, Math.min(navigator.hardwareConcurrency || 1, 4));
const KEPT_THUMBNAILS = 800;  // 75 KiB each

class ThumbnailPool {
  // onThumbnail(n, image) hears each thumbnail drawn; onError(error) each failure.
  constructor({ onThumbnail, onError }) {
    this.onThumbnail = onThumbnail;
    this.onError = onError;
    this.idle = null;  // engines free to draw; null until the pool is first used
    this.waiting = [];  // numbers to draw, most wanted first
    this.drawing = new Set();
    this.drawn = new Map();  // number -> ImageData, the oldest used first
  }

  // The thumbnail of n if it is kept, else null.
  keptThumbnail(n) {
    const image = this.drawn.get(n);
    if (image === undefined) return null;
    this.drawn.delete(n);  // now the most recently used
    this.drawn.set(n, image);
    return image;
  }

  // Draws the thumbnails of numbers, most wanted first, and forgets any others waiting.
  want(numbers) {
    this.waiting = numbers.filter((n) => !this.drawn.has(n) && !this.drawing.has(n));
    if (this.idle === null) this.startWorkers();
    this.drawWaiting();
  }

  startWorkers() {
    this.idle = [];
    for (let i = 0; i < THUMBNAIL_WORKERS; ++i) {
      PictureEngine.load().then((engine) => this.release(engine), (error) => this.onError(error));
    }
  }

  release(engine) {
    this.idle.push(engine);
    this.drawWaiting();
  }

  drawWaiting() {
    while (this.idle.length > 0 && this.waiting.length > 0) this.draw(this.idle.pop(), this.waiting.shift());
  }

  async draw(engine, n) {
    this.drawing.add(n);
    try {
      const image = await engine.thumbnail(n, THUMBNAIL_WIDTH, THUMBNAIL_HEIGHT);
      this.keep(n, image);
      this.onThumbnail(n, image);
      this.release(engine);
    } catch (error) {
      this.onError(error);  // the engine's worker is not trusted again
    } finally {
      this.drawing.delete(n);
    }
  }

  keep(n, image) {
    this.drawn.set(n, image);
    if (this.drawn.size > KEPT_THUMBNAILS) this.drawn.delete(this.drawn.keys().next().value);
  }
}
