// The slideshow: full screen, picture after picture cross-faded in 27 frames with the
// zoom and held 2.7 s, by the saver's own render loop in the worker. Each animation
// frame asks it, once its wake-up tick has come, what to show. Any key or click ends it.
// Nothing is erased between frames, as in the saver: a picture zooming back to its
// native size is framed by what its larger frames left. For people who ask for less
// motion each fade is a plain cross-fade over the whole 4:3 area, without the zoom.
// While it runs full screen it keeps the screen awake.
'use strict';

// The page's clock as the loop's tick count: milliseconds, wrapping at 2^32.
function slideshowTicks() {
  return Math.floor(performance.now()) >>> 0;
}

function tickReached(now, wakeTick) {
  return ((now - wakeTick) | 0) >= 0;
}

class Slideshow {
  // engineLoading: a promise of the PictureEngine whose worker runs the loop.
  // onPicture(n) hears each picture as its fade begins; onEnd(error) once it has ended.
  constructor(engineLoading, { onPicture, onEnd }) {
    this.engineLoading = engineLoading;
    this.engine = null;
    this.screen = document.getElementById('slideshow-screen');
    this.canvas = document.getElementById('slideshow-canvas');
    this.context = this.canvas.getContext('2d');
    this.picture = document.createElement('canvas');  // the frame at 640 x 480, to stretch
    this.picture.width = PICTURE_WIDTH;
    this.picture.height = PICTURE_HEIGHT;
    this.onPicture = onPicture;
    this.onEnd = onEnd;
    this.running = false;
    this.endOnInput = (event) => {
      event.preventDefault();
      event.stopPropagation();
      this.end();
    };
    this.endOnLeavingFullScreen = () => {
      if (!document.fullscreenElement) this.end();
    };
    this.restartOnResize = () => {
      const { width, height } = this.screenSize();
      if (width !== this.canvas.width || height !== this.canvas.height) this.restart();
    };
    // The browser lets a wake lock go whenever the page is hidden.
    this.keepAwakeOnReturn = () => {
      if (document.visibilityState === 'visible') this.keepScreenAwake();
    };
    this.wakeLock = null;
  }

  // Called from a click or key handler: full screen needs the person's gesture.
  async start() {
    if (this.running) return;
    this.running = true;
    this.screen.hidden = false;
    const fullScreen = this.screen.requestFullscreen ? this.screen.requestFullscreen() : Promise.reject();
    try {
      await fullScreen;
      document.addEventListener('fullscreenchange', this.endOnLeavingFullScreen);
      document.addEventListener('visibilitychange', this.keepAwakeOnReturn);
      this.keepScreenAwake();
    } catch (error) {
      // Without full screen the slideshow fills the window.
    }
    try {
      this.engine = await this.engineLoading;
    } catch (error) {
      this.end(error);
    }
    if (!this.running) return;
    document.addEventListener('keydown', this.endOnInput, true);
    document.addEventListener('pointerdown', this.endOnInput, true);
    window.addEventListener('resize', this.restartOnResize);
    await this.restart();
    requestAnimationFrame(() => this.frame());
  }

  async keepScreenAwake() {
    if (!navigator.wakeLock || this.wakeLock) return;
    try {
      const lock = await navigator.wakeLock.request('screen');
      if (this.running) {
        this.wakeLock = lock;
        lock.addEventListener('release', () => { if (this.wakeLock === lock) this.wakeLock = null; });
      } else {
        lock.release();
      }
    } catch (error) {
      // Without the lock the system may dim the screen: the slideshow runs on all the same.
    }
  }

  letScreenSleep() {
    document.removeEventListener('visibilitychange', this.keepAwakeOnReturn);
    const lock = this.wakeLock;
    this.wakeLock = null;
    lock?.release().catch(() => {});
  }

  // The screen's size in device pixels.
  screenSize() {
    const scale = window.devicePixelRatio || 1;
    return {
      width: Math.max(1, Math.round(this.screen.clientWidth * scale)),
      height: Math.max(1, Math.round(this.screen.clientHeight * scale)),
    };
  }

  // A new run of the loop on the screen as it is now, starting from black.
  async restart() {
    Object.assign(this.canvas, this.screenSize());
    this.context.fillStyle = '#000';
    this.context.fillRect(0, 0, this.canvas.width, this.canvas.height);
    this.shownNumber = null;
    this.wakeTick = slideshowTicks();
    const zoom = !window.matchMedia('(prefers-reduced-motion: reduce)').matches;
    this.stepping = this.engine.slideshowStart(this.canvas.width, this.canvas.height, this.wakeTick, zoom);
    await this.stepping;
    this.stepping = null;
  }

  frame() {
    if (!this.running) return;
    const now = slideshowTicks();
    if (!this.stepping && tickReached(now, this.wakeTick)) this.step(now);
    requestAnimationFrame(() => this.frame());
  }

  async step(now) {
    this.stepping = this.engine.slideshowStep(now);
    try {
      const step = await this.stepping;
      if (this.running) this.show(step);
    } catch (error) {
      this.end(error);
    } finally {
      this.stepping = null;
    }
  }

  show({ action, dest, imageNumber, wakeTick, image }) {
    this.wakeTick = wakeTick;
    if (image) {
      this.picture.getContext('2d').putImageData(image, 0, 0);
      this.engine.release(image);
      this.context.imageSmoothingEnabled = false;
      this.context.drawImage(this.picture, dest.left, dest.top, dest.right - dest.left, dest.bottom - dest.top);
      this.countFrame(imageNumber);
      this.screen.dataset.frameWidth = String(dest.right - dest.left);
    }
    if (action === 'showCanvasLowMemory' || action === 'showLowMemoryNote') this.showLowMemoryNote();
    if (action === 'stopped') this.end();
  }

  // Frames are counted per picture (1 ... 27) for anyone watching the fade.
  countFrame(imageNumber) {
    if (imageNumber !== this.shownNumber) {
      this.shownNumber = imageNumber;
      this.frameOfPicture = 0;
      this.onPicture(imageNumber);
    }
    this.frameOfPicture += 1;
    this.screen.dataset.picture = String(imageNumber);
    this.screen.dataset.frame = String(this.frameOfPicture);
  }

  showLowMemoryNote() {
    const { width, height } = this.canvas;
    this.context.font = `${Math.round(16 * (window.devicePixelRatio || 1))}px system-ui, sans-serif`;
    this.context.textAlign = 'center';
    this.context.textBaseline = 'middle';
    this.context.fillStyle = '#fff';
    this.context.fillText('Low Memory !', width / 2, height / 2);
  }

  async end(error) {
    if (!this.running) return;
    this.running = false;
    document.removeEventListener('keydown', this.endOnInput, true);
    document.removeEventListener('pointerdown', this.endOnInput, true);
    document.removeEventListener('fullscreenchange', this.endOnLeavingFullScreen);
    window.removeEventListener('resize', this.restartOnResize);
    this.letScreenSleep();
    // The page takes focus back only once it is out of full screen.
    const leaving = document.fullscreenElement ? document.exitFullscreen().catch(() => {}) : null;
    this.screen.hidden = true;
    delete this.screen.dataset.picture;
    delete this.screen.dataset.frame;
    delete this.screen.dataset.frameWidth;
    try {
      await this.stepping;
      await this.engine?.slideshowStop();
    } catch (stopError) {
      error = error || stopError;
    }
    await leaving;
    this.onEnd(error);
  }
}
