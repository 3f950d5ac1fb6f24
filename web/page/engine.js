// The engines the page carries (the picture library for WebAssembly SIMD, and for any
// browser), and the page's side of a drawing worker (engine_worker.js): requests as
// promises.
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

// The engine this browser runs: 'simd' or 'scalar'.
const ENGINE_KIND = browserRunsSimd() ? 'simd' : 'scalar';

// The script of that engine, which defines createVorrithEngine.
function engineSource() {
  return document.getElementById(`engine-${ENGINE_KIND}`).textContent;
}

class PictureEngine {
  // Starts a worker with the engine this browser runs, and waits until it can draw.
  static async load() {
    const sources = [engineSource(), document.getElementById('worker-script').textContent];
    const url = URL.createObjectURL(new Blob([sources.join('\n')], { type: 'text/javascript' }));
    const engine = new PictureEngine(new Worker(url));
    try {
      await engine.request({ type: 'start' });
    } finally {
      URL.revokeObjectURL(url);
    }
    return engine;
  }

  constructor(worker) {
    this.worker = worker;
    this.nextId = 1;
    this.waiting = new Map();  // request id -> { resolve, reject }
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

  // Picture n at width x height, filled, as ImageData: the grid's thumbnails.
  thumbnail(n, width, height) {
    return this.sized(n, width, height, true);
  }

  // Picture n at width x height, covering it (fill) or whole between black bars, as
  // ImageData: the native renderer's --size bytes.
  async sized(n, width, height, fill) {
    const { rgba } = await this.request({ type: 'sized', n, width, height, fill });
    return new ImageData(new Uint8ClampedArray(rgba), width, height);
  }

  // Gives the worker an image of slideshowStep() back once it is shown:
  // the worker fills its buffer with a later picture, many times quicker than making a
  // new one. The image is empty afterwards.
  release(image) {
    const { buffer } = image.data;
    if (buffer.byteLength === PICTURE_BYTES) this.worker.postMessage({ type: 'release', buffer }, [buffer]);
  }

  // zoom: the fades zoom from native size to the whole 4:3 area; else plain cross-fades.
  slideshowStart(width, height, now, zoom = true) {
    return this.request({ type: 'slideshowStart', width, height, now, zoom });
  }

  // { action, dest, imageNumber, wakeTick, image (ImageData, for the show actions) }
  async slideshowStep(now) {
    const { rgba, ...step } = await this.request({ type: 'slideshowStep', now });
    if (rgba) step.image = new ImageData(new Uint8ClampedArray(rgba), PICTURE_WIDTH, PICTURE_HEIGHT);
    return step;
  }

  slideshowStop() {
    return this.request({ type: 'slideshowStop' });
  }
}
