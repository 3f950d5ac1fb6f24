// The page's side of the drawing worker (engine_worker.js): requests as promises.
'use strict';

const PICTURE_WIDTH = 640;
const PICTURE_HEIGHT = 480;
const PICTURE_BYTES = PICTURE_WIDTH * PICTURE_HEIGHT * 4;

// The smallest module that uses WebAssembly SIMD: () -> v128, v128.const 0 then
// i8x16.popcnt, one of the last instructions the standard added. A browser that
// accepts it runs every vector instruction the engine's SIMD build uses.
const SIMD_PROBE = new Uint8Array([
  0x00, 0x61, 0x73, 0x6d, 0x01, 0x00, 0x00, 0x00,  // "\0asm", version 1
  0x01, 0x05, 0x01, 0x60, 0x00, 0x01, 0x7b,  // type section: one type, () -> v128
  0x03, 0x02, 0x01, 0x00,  // function section: one function of that type
  0x0a, 0x18, 0x01, 0x16, 0x00,  // code section: one body of 22 bytes, no locals
  0xfd, 0x0c, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,  // v128.const 0
  0xfd, 0x62,  // i8x16.popcnt
  0x0b,  // end
]);

function browserRunsSimd() {
  try {
    return WebAssembly.validate(SIMD_PROBE);
  } catch (error) {
    return false;
  }
}

class PictureEngine {
  // Starts the worker from the page's inline scripts, with the engine this browser runs,
  // and waits until it can draw.
  static async load() {
    const kind = browserRunsSimd() ? 'simd' : 'scalar';
    const sources = [`engine-${kind}`, 'worker-script'].map((id) => document.getElementById(id).textContent);
    const url = URL.createObjectURL(new Blob([sources.join('\n')], { type: 'text/javascript' }));
    const engine = new PictureEngine(new Worker(url), kind);
    try {
      const { maxImageNumber } = await engine.request({ type: 'start' });
      engine.maxImageNumber = maxImageNumber;
    } finally {
      URL.revokeObjectURL(url);
    }
    return engine;
  }

  constructor(worker, kind) {
    this.worker = worker;
    this.kind = kind;  // the engine it runs: 'simd' or 'scalar'
    this.maxImageNumber = null;  // the highest picture number, from the library
    this.nextId = 1;
    this.waiting = new Map();  // request id -> { resolve, reject }
    // Pictures asked for, each { n, taker } with taker { resolve, reject } or null while
    // it is drawn ahead: the one in the worker, the one next (a newer one replaces it),
    // and the last drawn ahead that no one has taken yet ({ n, drawn }).
    this.drawing = null;
    this.queued = null;
    this.drawnAhead = null;
    this.slideshowRunning = false;
    worker.onmessage = (event) => this.answer(event.data);
    worker.onerror = (event) => this.failAll(event.message || 'The drawing worker stopped.');
  }

  request(message, transfer = []) {
    const id = this.nextId++;
    return new Promise((resolve, reject) => {
      this.waiting.set(id, { resolve, reject });
      this.worker.postMessage({ id, ...message }, transfer);
    });
  }

  answer({ id, error, ...reply }) {
    const waiter = this.waiting.get(id);
    if (!waiter) return;
    this.waiting.delete(id);
    if (error === undefined) waiter.resolve(reply);
    else waiter.reject(new Error(error));
  }

  failAll(text) {
    for (const waiter of this.waiting.values()) waiter.reject(new Error(text));
    this.waiting.clear();
  }

  // Picture n as { image (ImageData), sentence (what it shows, beginning with its
  // number) }; null when a newer picture was asked for before this one was drawn
  // (holding an arrow key asks faster than pictures are drawn). Hand the image to
  // release() once it is shown.
  picture(n) {
    const ahead = this.takeDrawnAhead(n);
    if (ahead) {
      this.replaceQueued(null);
      return Promise.resolve(ahead);
    }
    return new Promise((resolve, reject) => {
      const taker = { resolve, reject };
      const pending = this.pendingPicture(n);
      if (pending && !pending.taker) pending.taker = taker;
      else this.queuePicture(n, taker);
    });
  }

  // Starts drawing picture n before the page asks for it (the address is about to name
  // it), so that picture(n) finds it drawn or on its way. Never during a slideshow,
  // whose frames the worker's canvas holds.
  drawAhead(n) {
    if (this.slideshowRunning || this.drawnAhead?.n === n || this.pendingPicture(n)) return;
    this.queuePicture(n, null);
  }

  // The request for picture n if it is the newest: queued, or in the worker with none
  // queued after it.
  pendingPicture(n) {
    const newest = this.queued || this.drawing;
    return newest?.n === n ? newest : null;
  }

  queuePicture(n, taker) {
    this.replaceQueued({ n, taker });
    this.drawQueued();
  }

  // Puts next in the queue's one place; the request there is no longer wanted.
  replaceQueued(next) {
    this.queued?.taker?.resolve(null);
    this.queued = next;
  }

  async drawQueued() {
    if (this.drawing || !this.queued) return;
    const wanted = this.queued;
    this.drawing = wanted;
    this.queued = null;
    try {
      const { rgba, sentence } = await this.request({ type: 'picture', n: wanted.n });
      const drawn = { image: new ImageData(new Uint8ClampedArray(rgba), PICTURE_WIDTH, PICTURE_HEIGHT), sentence };
      if (wanted.taker) wanted.taker.resolve(drawn);
      else this.keepDrawnAhead(wanted.n, drawn);
    } catch (error) {
      wanted.taker?.reject(error);  // one drawn ahead fails again when it is asked for
    } finally {
      this.drawing = null;
      this.drawQueued();
    }
  }

  keepDrawnAhead(n, drawn) {
    if (this.drawnAhead) this.release(this.drawnAhead.drawn.image);
    this.drawnAhead = { n, drawn };
  }

  // The picture drawn ahead if it is n; any other is of no more use.
  takeDrawnAhead(n) {
    const ahead = this.drawnAhead;
    this.drawnAhead = null;
    if (ahead?.n === n) return ahead.drawn;
    if (ahead) this.release(ahead.drawn.image);
    return null;
  }

  // Picture n at width x height, as ImageData.
  async thumbnail(n, width, height) {
    const { rgba } = await this.request({ type: 'thumbnail', n, width, height });
    return new ImageData(new Uint8ClampedArray(rgba), width, height);
  }

  // Picture n at width x height, covering it (fill) or whole between black bars, as
  // ImageData: the native renderer's --size bytes.
  async sized(n, width, height, fill) {
    const { rgba } = await this.request({ type: 'sized', n, width, height, fill });
    return new ImageData(new Uint8ClampedArray(rgba), width, height);
  }

  // Gives the worker an image of picture() or slideshowStep() back once it is shown:
  // the worker fills its buffer with a later picture, many times quicker than making a
  // new one. The image is empty afterwards.
  release(image) {
    const { buffer } = image.data;
    if (buffer.byteLength === PICTURE_BYTES) this.worker.postMessage({ type: 'release', buffer }, [buffer]);
  }

  // zoom: the fades zoom from native size to the whole 4:3 area; else plain cross-fades.
  slideshowStart(width, height, now, zoom = true) {
    this.slideshowRunning = true;
    return this.request({ type: 'slideshowStart', width, height, now, zoom });
  }

  // { action, dest, imageNumber, wakeTick, image (ImageData, for the show actions) }
  async slideshowStep(now) {
    const { rgba, ...step } = await this.request({ type: 'slideshowStep', now });
    if (rgba) step.image = new ImageData(new Uint8ClampedArray(rgba), PICTURE_WIDTH, PICTURE_HEIGHT);
    return step;
  }

  slideshowStop() {
    this.slideshowRunning = false;
    return this.request({ type: 'slideshowStop' });
  }

  benchmark(numbers) {
    return this.request({ type: 'benchmark', numbers });
  }
}
