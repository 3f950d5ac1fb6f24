// What the address shows: "#12345" a picture (with "@3840x2160-fill", the size Save PNG
// makes), "#grid" the grid of all pictures from the first, "#grid=N" the grid at
// picture N, "#favourites" the grid of favourites.
'use strict';

const GRID_ADDRESS = 'grid';
const FAVOURITES_ADDRESS = 'favourites';

// "#12345", or "#12345@3840x2160-fill" with a save size other than the picture's own.
function pictureAddress(n, saveSize = null) {
  const sizeText = saveSize ? saveSizeText(saveSize) : '';
  return sizeText === '' ? `#${n}` : `#${n}@${sizeText}`;
}

function gridAddress(n) {
  return n === 0 ? `#${GRID_ADDRESS}` : `#${GRID_ADDRESS}=${n}`;
}

// { view: 'grid', number (null: from the top), error? } or { view: 'favourites' } for
// those views; otherwise for a picture { number, saveSize? }, { error } (with the number
// when only the size is wrong) or null.
function readPageAddress(hash, numbers) {
  const raw = hash.startsWith('#') ? hash.slice(1) : hash;
  if (raw === FAVOURITES_ADDRESS) return { view: 'favourites', number: null };
  if (raw === GRID_ADDRESS) return { view: 'grid', number: null };
  if (raw.startsWith(`${GRID_ADDRESS}=`)) {
    const read = numbers.readAddress(raw.slice(GRID_ADDRESS.length + 1));
    if (read === null) return { view: 'grid', number: null };
    return { view: 'grid', number: read.error === undefined ? read.number : null, error: read.error };
  }
  const at = raw.indexOf('@');
  if (at < 0) return numbers.readAddress(hash);
  const read = numbers.readAddress(raw.slice(0, at));
  if (read === null || read.error !== undefined) return read ?? { error: 'The address names a size but no picture.' };
  const size = readSaveSize(raw.slice(at + 1));
  return size.error === undefined ? { number: read.number, saveSize: size.size } : { number: read.number, error: size.error };
}
