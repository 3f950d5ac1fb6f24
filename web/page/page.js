// The page: one picture at a time, named by the address (index.html#12345), browsed
// with the buttons, the number box and the arrow keys, with its description under it; or
// a grid of thumbnails of every picture (#grid, #grid=N) or of the favourites
// (#favourites). The picture view's pictures are drawn on the page's thread as the
// address changes; a worker draws the slideshow and pictures at other sizes.
'use strict';

const pictureView = document.getElementById('picture-view');
const pictureCanvas = document.getElementById('picture');
const pictureContext = pictureCanvas.getContext('2d');
const caption = document.getElementById('caption');
const numberBox = document.getElementById('number');
const slideshowButton = document.getElementById('slideshow');
const gridView = document.getElementById('grid-view');
const noFavouritesNote = document.getElementById('no-favourites');
const messageLine = document.getElementById('message');

let drawer = null;  // PictureDrawer: the picture view's engine
let workerLoading = null;  // a promise of the PictureEngine in a worker, once asked for
let numbers = null;  // PictureNumbers, once the engine has said how many there are
let favourites = null;
let favouriteControls = null;
let grid = null;
let gridKind = null;  // 'grid' or 'favourites' while a grid is shown, null in the picture view
let slideshow = null;
let wantedNumber = null;  // the picture last asked for, which the address names
let shownNumber = null;  // the picture on the canvas
let saveSizes = null;  // SaveSizeChoice: the size Save PNG makes, named in the address

function addressOf(n) {
  return pictureAddress(n, saveSizes.chosen());
}

function showMessage(text, isError) {
  messageLine.textContent = text;
  messageLine.classList.toggle('error', Boolean(isError));
}

// The worker for the slideshow and Save PNG's other sizes, started when first needed.
function drawingWorker() {
  workerLoading ??= PictureEngine.load();
  return workerLoading;
}

// Draws picture n on the canvas, with its description, number and title.
function showPicture(n) {
  wantedNumber = n;
  try {
    pictureContext.putImageData(drawer.draw(n), 0, 0);
    shownNumber = n;
    pictureCanvas.dataset.picture = String(n);
    const sentence = drawer.sentence(n);
    pictureCanvas.setAttribute('aria-label', sentence);
    caption.textContent = sentence;
  } catch (error) {
    showMessage(`Picture ${n} could not be drawn: ${error.message}`, true);
  }
  numberBox.value = String(n);
  document.title = `Vorrith ${n}`;
  favouriteControls.showState();
}

// Shows picture n as a new step in the history, so Back returns to the one before; a
// held key's repeats replace that step instead of adding one each.
function browseTo(n, replace = false) {
  showMessage('');
  if (n !== wantedNumber) showPicture(n);
  const change = replace ? history.replaceState : history.pushState;
  if (location.hash !== addressOf(n)) change.call(history, null, '', addressOf(n));
}

function browseBy(step, replace) {
  browseTo(numbers.step(wantedNumber, step), replace);
}

function showPictureView() {
  if (gridKind === null) return;
  gridKind = null;
  grid.hide();
  gridView.hidden = true;
  pictureView.hidden = false;
  document.body.dataset.view = 'picture';
  window.scrollTo(0, 0);
}

// A grid of all pictures or of the favourites, with picture `start` on its top row (null:
// from the top).
function showGridView(kind, start) {
  const list = kind === 'favourites' ? GridList.of(favourites.list()) : GridList.all(numbers.count);
  gridKind = kind;
  pictureView.hidden = true;
  gridView.hidden = false;
  gridView.dataset.kind = kind;
  document.body.dataset.view = 'grid';
  noFavouritesNote.hidden = list.count > 0 || kind !== 'favourites';
  document.title = kind === 'favourites' ? 'Vorrith favourites' : 'Vorrith pictures';
  grid.show(list, start);
}

// Shows what the address names. A bad picture number keeps the current picture (a
// random one on first load), says why, and is replaced by the address of what is shown.
function showAddressed() {
  const read = readPageAddress(location.hash, numbers);
  if (read !== null && read.view !== undefined) {
    showMessage(read.error ? `${read.error} Showing the grid from picture 0.` : '', read.error !== undefined);
    if (read.error) history.replaceState(null, '', gridAddress(0));
    showGridView(read.view, read.number);
    if (read.number !== null) grid.focus(read.number);
    return;
  }
  showPictureView();
  if (read?.saveSize) saveSizes.choose(read.saveSize);
  if (read !== null && read.number !== undefined) {
    showMessage(read.error ?? '', read.error !== undefined);
    if (read.number !== wantedNumber) showPicture(read.number);
  } else {
    if (wantedNumber === null) showPicture(numbers.random());
    showMessage(read === null ? '' : `${read.error} Showing picture ${wantedNumber}.`, read !== null);
  }
  if (location.hash !== addressOf(wantedNumber)) history.replaceState(null, '', addressOf(wantedNumber));
}

// Back, Forward and edits of the address all change the hash. During the slideshow
// (Back by a touchpad swipe, say) the change ends it and the address is shown.
function onAddressChange() {
  if (slideshow) slideshow.end();
  else showAddressed();
}

// Where the browser announces a new address as it takes it (the Navigation API), the
// picture it names is drawn then, and the hashchange that follows a task later finds it
// shown.
function showPictureOfNewAddress(event) {
  if (!event.hashChange || slideshow) return;
  const read = readPageAddress(new URL(event.destination.url).hash, numbers);
  if (read?.view === undefined && read?.number !== undefined && read.number !== wantedNumber) showPicture(read.number);
}

function browseToTypedNumber() {
  const read = numbers.read(numberBox.value);
  if (read.error !== undefined) {
    showMessage(read.error, true);
    return;
  }
  browseTo(read.number);
}

// The picture on the canvas, or at the chosen size made by the worker, as a PNG file:
// VorrithN.png, VorrithN-WxH.png filled, VorrithN-WxH-fit.png fitted.
async function savePicture() {
  if (shownNumber === null) return;  // nothing drawn yet
  const n = shownNumber;
  const size = saveSizes.chosen();
  const exact = isExactSize(size);
  const fileName = exact ? `Vorrith${n}.png` : `Vorrith${n}-${size.width}x${size.height}${size.fill ? '' : '-fit'}.png`;
  try {
    let canvas = pictureCanvas;
    if (!exact) {
      showMessage(`Making ${fileName}…`);
      canvas = document.createElement('canvas');
      canvas.width = size.width;
      canvas.height = size.height;
      const worker = await drawingWorker();
      canvas.getContext('2d').putImageData(await worker.sized(n, size.width, size.height, size.fill), 0, 0);
    }
    downloadBlob(await picturePngBlob(canvas), fileName);
    showMessage(`Saved ${fileName}.`);
  } catch (error) {
    showMessage(`Could not save ${fileName}: ${error.message}`, true);
  }
}

function onSaveSizeChange() {
  if (wantedNumber !== null && gridKind === null) history.replaceState(null, '', addressOf(wantedNumber));
}

function onKey(event) {
  if (gridKind !== null) return;  // the grid scrolls with the arrow keys
  if (event.defaultPrevented || event.altKey || event.ctrlKey || event.metaKey) return;
  if (event.target instanceof HTMLInputElement) return;  // the arrows move the caret there
  const step = { ArrowLeft: -1, ArrowRight: 1 }[event.key];
  if (step === undefined) return;
  event.preventDefault();
  browseBy(step, event.repeat);
}

// The slideshow's pictures take over the address: the first as a new step in the history,
// the others in its place, so that the address names the picture on screen.
function slideshowShows(n, isFirst) {
  wantedNumber = n;
  const change = isFirst ? history.pushState : history.replaceState;
  if (location.hash !== addressOf(n)) change.call(history, null, '', addressOf(n));
}

function startSlideshow() {
  if (slideshow) return;
  showMessage('');
  let isFirst = true;
  slideshow = new Slideshow(drawingWorker(), {
    onPicture: (n) => {
      slideshowShows(n, isFirst);
      isFirst = false;
    },
    // Shows what the address names now: the slideshow's last picture, or after Back
    // the picture before it, still on the canvas.
    onEnd: (error) => {
      slideshow = null;
      wantedNumber = shownNumber;
      showAddressed();
      if (error) showMessage(`The slideshow stopped: ${error.message}`, true);
      if (gridKind === null) slideshowButton.focus();
    },
  });
  slideshow.start();
}

function connectControls() {
  document.getElementById('previous').addEventListener('click', () => browseBy(-1));
  document.getElementById('next').addEventListener('click', () => browseBy(1));
  document.getElementById('random').addEventListener('click', () => browseTo(numbers.random()));
  document.getElementById('save').addEventListener('click', savePicture);
  slideshowButton.addEventListener('click', startSlideshow);
  document.getElementById('to-grid').addEventListener('click', () => { location.hash = gridAddress(wantedNumber); });
  document.getElementById('controls').addEventListener('submit', (event) => {
    event.preventDefault();
    browseToTypedNumber();
  });
  // Back from a picture returns to the grid at that picture.
  document.getElementById('grid-cells').addEventListener('click', (event) => {
    const link = event.target.closest('a[data-picture]');
    if (link && gridKind === 'grid') history.replaceState(null, '', gridAddress(Number(link.dataset.picture)));
  });
  document.addEventListener('keydown', onKey);
  window.addEventListener('hashchange', onAddressChange);
  if (window.navigation) navigation.addEventListener('navigate', showPictureOfNewAddress);
}

async function startPage() {
  try {
    drawer = await PictureDrawer.load();
  } catch (error) {
    showMessage(`The pictures cannot be drawn in this browser: ${error.message}`, true);
    return;
  }
  numbers = new PictureNumbers(drawer.maxImageNumber);
  saveSizes = new SaveSizeChoice(document.getElementById('save-size'), document.getElementById('save-fit'),
    onSaveSizeChange);
  numberBox.title = `A picture number from 0 to ${numbers.max}`;
  favourites = new Favourites(numbers);
  const storageProblem = favourites.load();
  favouriteControls = new FavouriteControls(favourites, numbers, {
    currentNumber: () => wantedNumber,
    showMessage,
    onListChange: () => { if (gridKind === 'favourites') showGridView('favourites', grid.firstNumberOnScreen()); },
  });
  const gridBar = document.getElementById('grid-bar');
  grid = new ThumbnailGrid(document.getElementById('grid-cells'), () => gridBar.offsetHeight);
  grid.onError = (error) => showMessage(`Thumbnails could not be drawn: ${error.message}`, true);
  history.scrollRestoration = 'manual';  // the grid scrolls itself to the picture the address names
  document.body.dataset.view = 'picture';
  showMessage('');
  showAddressed();
  if (storageProblem) showMessage([messageLine.textContent, storageProblem].filter(Boolean).join(' '), true);
  connectControls();
  favouriteControls.connect();
  document.body.dataset.ready = 'true';
  whenIdle(() => drawingWorker().catch(() => {}));  // ready when the slideshow is asked for; a failure shows then
}

// For the tests: the time of whole pictures in this browser.
function runPictureBenchmark(numbers) {
  return drawer.benchmark(numbers);
}

startPage();
