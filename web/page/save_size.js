// The size Save PNG makes: the picture itself (640 x 480), the screen's size, or a
// wallpaper size, filling it (cropped) or fitting it (black bars), resampled in the
// worker exactly as `vorrith-render N --size WxH --fill|--fit` does. The choice is part
// of the address ("#12345@3840x2160-fill"), so a link gives the same download.
'use strict';

const EXACT_SIZE = { width: 640, height: 480, fill: true };
const WALLPAPER_SIZES = [[1920, 1080], [2560, 1440], [3840, 2160]];
const LARGEST_SIDE = 16384;

function isExactSize({ width, height }) {
  return width === EXACT_SIZE.width && height === EXACT_SIZE.height;
}

// "3840x2160-fill"; "" for the picture's own size, which needs no part in the address.
function saveSizeText(size) {
  return isExactSize(size) ? '' : `${size.width}x${size.height}-${size.fill ? 'fill' : 'fit'}`;
}

// { size } from text such as "3840x2160-fill", or { error } in words.
function readSaveSize(text) {
  const match = /^([0-9]{1,5})x([0-9]{1,5})(?:-(fill|fit))?$/.exec(text);
  const width = match ? Number(match[1]) : 0;
  const height = match ? Number(match[2]) : 0;
  if (!match || width < 1 || height < 1 || width > LARGEST_SIDE || height > LARGEST_SIDE) {
    return { error: `“${text.slice(0, 24)}” is not a size: write it as 3840x2160-fill or 1920x1080-fit, each side 1 to ${LARGEST_SIDE}.` };
  }
  return { size: { width, height, fill: match[3] !== 'fit' } };
}

// The screen's size in device pixels, as a wallpaper for it needs.
function screenSize() {
  const scale = window.devicePixelRatio || 1;
  return { width: Math.round(screen.width * scale), height: Math.round(screen.height * scale) };
}

// The size and fit choosers beside Save PNG.
class SaveSizeChoice {
  constructor(sizeBox, fitBox, onChange) {
    this.sizeBox = sizeBox;
    this.fitBox = fitBox;
    this.addOption(EXACT_SIZE, `${EXACT_SIZE.width} × ${EXACT_SIZE.height} (the picture)`);
    const { width, height } = screenSize();
    this.addOption({ width, height }, `${width} × ${height} (this screen)`);
    for (const [w, h] of WALLPAPER_SIZES) this.addOption({ width: w, height: h }, `${w} × ${h}`);
    sizeBox.addEventListener('change', () => { this.showFit(); onChange(); });
    fitBox.addEventListener('change', onChange);
    this.showFit();
  }

  addOption({ width, height }, label) {
    const value = `${width}x${height}`;
    if ([...this.sizeBox.options].some((option) => option.value === value)) return;
    this.sizeBox.add(new Option(label, value));
  }

  // Fill or fit means nothing for the picture's own size.
  showFit() {
    this.fitBox.disabled = isExactSize(this.chosen());
  }

  chosen() {
    const [width, height] = this.sizeBox.value.split('x').map(Number);
    return { width, height, fill: this.fitBox.value === 'fill' };
  }

  choose(size) {
    this.addOption(size, `${size.width} × ${size.height}`);
    this.sizeBox.value = `${size.width}x${size.height}`;
    this.fitBox.value = size.fill ? 'fill' : 'fit';
    this.showFit();
  }
}
