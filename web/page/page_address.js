// What the address shows: "#12345" a picture, "#grid" the grid of all pictures from the
// first, "#grid=N" the grid at picture N, "#favourites" the grid of favourites.
'use strict';

const GRID_ADDRESS = 'grid';
const FAVOURITES_ADDRESS = 'favourites';

function pictureAddress(n) {
  return `#${n}`;
}

function gridAddress(n) {
  return n === 0 ? `#${GRID_ADDRESS}` : `#${GRID_ADDRESS}=${n}`;
}

// { view: 'grid', number (null: from the top), error? } or { view: 'favourites' } for
// those views; otherwise numbers.readAddress's answer for a picture ({ number }, { error }
// or null).
function readPageAddress(hash, numbers) {
  const raw = hash.startsWith('#') ? hash.slice(1) : hash;
  if (raw === FAVOURITES_ADDRESS) return { view: 'favourites', number: null };
  if (raw === GRID_ADDRESS) return { view: 'grid', number: null };
  if (raw.startsWith(`${GRID_ADDRESS}=`)) {
    const read = numbers.readAddress(raw.slice(GRID_ADDRESS.length + 1));
    if (read === null) return { view: 'grid', number: null };
    return { view: 'grid', number: read.error === undefined ? read.number : null, error: read.error };
  }
  return numbers.readAddress(hash);
}
