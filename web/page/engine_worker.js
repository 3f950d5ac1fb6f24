// The worker's side: the picture library (createVorrithEngine, from the engine script
// before this one) answers the page's requests for the slideshow's frames, thumbnails
// and pictures at other sizes, work that would hold up the page for longer than a frame.
// A request is { id, type, ... }; the answer { id, ... } or { id, error }. A notice is a
// request without id, which gets no answer.
'use strict';

const PICTURE_BYTES = 640 * 480 * 4;
// The slideshow's actions by their number in web/slideshow_exports.cpp.
const SLIDESHOW_ACTIONS = ['wait', 'showCanvas', 'showCanvasLowMemory', 'showLowMemoryNote', 'stopped'];
// Buffers the page has handed back, to fill with later pictures: a new buffer of a
// picture's size costs several milliseconds, a copy into an old one a fraction of one.
const MAX_SPARE_BUFFERS = 4;
const spareBuffers = [];

const enginePromise = createVorrithEngine().then((module) => {
  if (module._VorrithStart() === 0) throw new Error('There is not enough memory for a picture.');
  return module;
});

// The engine's canvas as RGBA bytes in a buffer of their own, to hand over to the page.
function canvasRgba(module) {
  const address = module._VorrithCanvasRgba();
  const buffer = spareBuffers.pop() || new ArrayBuffer(PICTURE_BYTES);
  // Read through the heap's current buffer: it may have grown since the last call.
  new Uint8Array(buffer).set(module.HEAPU8.subarray(address, address + PICTURE_BYTES));
  return buffer;
}

const requests = {
  // A notice: a buffer of a shown picture, to reuse.
  release(module, { buffer }) {
    if (buffer.byteLength === PICTURE_BYTES && spareBuffers.length < MAX_SPARE_BUFFERS) spareBuffers.push(buffer);
  },

  // Answers once the engine can draw.
  start() {},

  // Picture n at width x height, filled or fitted as the native renderer's --size: RGBA.
  sized(module, { n, width, height, fill }) {
    module._VorrithDrawPicture(n);
    const address = module._VorrithResampleCanvas(width, height, fill, false);
    if (address === 0) throw new Error(`There is not enough memory for a picture of ${width} x ${height}.`);
    const rgba = module.HEAPU8.slice(address, address + width * height * 4).buffer;
    return { reply: { rgba }, transfer: [rgba] };
  },

  slideshowStart(module, { width, height, now, zoom }) {
    module._VorrithSlideshowStart(width, height, now, zoom);
  },

  // Steps the slideshow at tick now: { action, dest, imageNumber, wakeTick }, and the
  // canvas's RGBA bytes when the action shows it.
  slideshowStep(module, { now }) {
    const words = module._VorrithSlideshowStep(now) >> 2;
    const heap = module.HEAP32;
    const reply = {
      action: SLIDESHOW_ACTIONS[heap[words]],
      dest: { left: heap[words + 1], top: heap[words + 2], right: heap[words + 3], bottom: heap[words + 4] },
      imageNumber: heap[words + 5],
      wakeTick: heap[words + 6] >>> 0,
    };
    if (reply.action !== 'showCanvas' && reply.action !== 'showCanvasLowMemory') return { reply };
    reply.rgba = canvasRgba(module);
    return { reply, transfer: [reply.rgba] };
  },

  slideshowStop(module) {
    if (module._VorrithSlideshowStop() === 0) throw new Error('There is not enough memory for a picture.');
  },
};

self.onmessage = async (event) => {
  const { id, type } = event.data;
  try {
    const module = await enginePromise;
    const { reply = {}, transfer = [] } = requests[type](module, event.data) || {};
    if (id !== undefined) self.postMessage({ id, ...reply }, transfer);
  } catch (error) {
    if (id !== undefined) self.postMessage({ id, error: error.message || String(error) });
  }
};
