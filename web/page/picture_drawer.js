// The picture view's engine, on the page's own thread: a picture takes a few
// milliseconds, well under an animation frame, and drawing it where the address changes
// puts it on the canvas at once. Through a worker the page waited for the round trip and
// for its own turn to take the answer, which together took longer than the drawing.
'use strict';

// The browser runs the engine's code slowly until it has compiled it fully, which it does
// for code that has run a while: the first few dozen pictures took several times as long
// as later ones. So once the first picture is shown the page draws these (every kind of
// ground among them) while it is idle, one at a time.
const WARM_UP_NUMBERS = [1, 2, 3, 4, 5, 6, 7, 8].map((k) => (k * 4099) % 32768);

const utf8 = new TextDecoder();
const whenIdle = window.requestIdleCallback || ((callback) => setTimeout(callback, 0));

class PictureDrawer {
  // Runs the engine this browser runs on the page's thread, once it can draw.
  static async load() {
    const url = URL.createObjectURL(new Blob([engineSource()], { type: 'text/javascript' }));
    try {
      await new Promise((resolve, reject) => {
        const script = document.createElement('script');
        script.src = url;
        script.onload = resolve;
        script.onerror = () => reject(new Error('The engine could not be started.'));
        document.head.append(script);
      });
    } finally {
      URL.revokeObjectURL(url);
    }
    const module = await createVorrithEngine();
    if (module._VorrithStart() === 0) throw new Error('There is not enough memory for a picture.');
    return new PictureDrawer(module);
  }

  constructor(module) {
    this.module = module;
    this.kind = ENGINE_KIND;
    this.maxImageNumber = module._VorrithMaxImageNumber();
    this.warmUpLeft = null;  // the numbers still to draw, from the first picture on
  }

  // Picture n as ImageData over the engine's memory: valid until the next call, so show
  // it (putImageData copies it) before drawing again.
  draw(n) {
    const module = this.module;
    module._VorrithDrawPicture(n);
    const address = module._VorrithCanvasRgba();
    this.startWarmUp();
    // Read through the heap's current buffer: it may have grown since the last call.
    return new ImageData(new Uint8ClampedArray(module.HEAPU8.buffer, address, PICTURE_BYTES),
      PICTURE_WIDTH, PICTURE_HEIGHT);
  }

  // What picture n shows, in a sentence that begins with its number.
  sentence(n) {
    const address = this.module._VorrithPictureSentence(n);
    const heap = this.module.HEAPU8;
    return utf8.decode(heap.subarray(address, heap.indexOf(0, address)));
  }

  startWarmUp() {
    if (this.warmUpLeft !== null) return;
    this.warmUpLeft = [...WARM_UP_NUMBERS];
    whenIdle(() => this.warmUp());
  }

  warmUp() {
    if (this.warmUpLeft.length === 0) return;
    this.module._VorrithDrawPicture(this.warmUpLeft.pop());
    whenIdle(() => this.warmUp());
  }

  // Times whole pictures: the drawing alone, as the native benchmark measures it, and
  // with the copy into RGBA that showing a picture adds.
  benchmark(numbers) {
    let slowest = 0;
    let drawing = 0;
    const started = performance.now();
    for (const n of numbers) {
      const before = performance.now();
      this.module._VorrithDrawPicture(n);
      const took = performance.now() - before;
      drawing += took;
      slowest = Math.max(slowest, took);
      this.module._VorrithCanvasRgba();
    }
    const total = performance.now() - started;
    return { pictures: numbers.length, drawMs: drawing / numbers.length, slowestDrawMs: slowest,
      withCopyMs: total / numbers.length };
  }
}
