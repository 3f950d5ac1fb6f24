// The picture as a PNG file. The browser's encoder stores the canvas's pixels losslessly,
// but it may add colour chunks (gamma, chromaticities, sRGB intent, ICC profile) that
// make viewers alter the pixels; those chunks are left out of the file.
'use strict';

const PNG_SIGNATURE = [137, 80, 78, 71, 13, 10, 26, 10];
const PNG_COLOUR_CHUNKS = new Set(['gAMA', 'cHRM', 'sRGB', 'iCCP']);

function canvasPngBlob(canvas) {
  return new Promise((resolve, reject) => {
    canvas.toBlob((blob) => (blob ? resolve(blob) : reject(new Error('The browser made no PNG.'))), 'image/png');
  });
}

// A PNG's bytes with its colour chunks dropped; every other chunk is kept as it is.
function pngWithoutColourChunks(png) {
  if (png.length < 8 || PNG_SIGNATURE.some((byte, i) => png[i] !== byte)) {
    throw new Error('The browser made no PNG.');
  }
  const view = new DataView(png.buffer, png.byteOffset, png.byteLength);
  const kept = [png.subarray(0, 8)];
  let offset = 8;
  for (;;) {
    if (offset + 12 > png.length) throw new Error('The browser made a damaged PNG.');
    const end = offset + 12 + view.getUint32(offset);
    const type = String.fromCharCode(...png.subarray(offset + 4, offset + 8));
    if (end > png.length) throw new Error('The browser made a damaged PNG.');
    if (!PNG_COLOUR_CHUNKS.has(type)) kept.push(png.subarray(offset, end));
    offset = end;
    if (type === 'IEND') return kept;
  }
}

async function picturePngBlob(canvas) {
  const png = new Uint8Array(await (await canvasPngBlob(canvas)).arrayBuffer());
  return new Blob(pngWithoutColourChunks(png), { type: 'image/png' });
}

function downloadBlob(blob, fileName) {
  const url = URL.createObjectURL(blob);
  const link = document.createElement('a');
  link.href = url;
  link.download = fileName;
  document.body.append(link);
  link.click();
  link.remove();
  setTimeout(() => URL.revokeObjectURL(url), 60000);
}
