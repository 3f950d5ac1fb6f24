// The page: one picture at a time, named by the address (index.html#12345), browsed
// with the buttons, the number box and the arrow keys. Pictures are drawn by the worker;
// the address and the box follow a request at once, the canvas when it is drawn.
'use strict';

const pictureCanvas = document.getElementById('picture');
const pictureContext = pictureCanvas.getContext('2d');
const numberBox = document.getElementById('number');
const messageLine = document.getElementById('message');

let engine = null;
let numbers = null;  // PictureNumbers, once the engine has said how many there are
let slideshow = null;
let wantedNumber = null;  // the picture last asked for, which the address names
let shownNumber = null;  // the picture on the canvas

function showMessage(text, isError) {
  messageLine.textContent = text;
  messageLine.classList.toggle('error', Boolean(isError));
}

function showImage(n, image) {
  pictureContext.putImageData(image, 0, 0);
  shownNumber = n;
  pictureCanvas.dataset.picture = String(n);
  pictureCanvas.setAttribute('aria-label', `Vorrith picture ${n}`);
}

async function showPicture(n) {
  wantedNumber = n;
  numberBox.value = String(n);
  document.title = `Vorrith ${n}`;
  try {
    const image = await engine.picture(n);
    if (image !== null && n === wantedNumber) showImage(n, image);
  } catch (error) {
    showMessage(`Picture ${n} could not be drawn: ${error.message}`, true);
  }
}

function addressOf(n) {
  return `#${n}`;
}

// Shows picture n as a new step in the history, so Back returns to the one before.
function browseTo(n) {
  showMessage('');
  if (n !== wantedNumber) showPicture(n);
  if (location.hash !== addressOf(n)) history.pushState(null, '', addressOf(n));
}

function browseBy(step) {
  browseTo(numbers.step(wantedNumber, step));
}

// Shows what the address names. A bad address keeps the current picture (a random one
// on first load), says why, and is replaced by the address of what is shown.
function showAddressedPicture() {
  const read = numbers.readAddress(location.hash);
  if (read !== null && read.error === undefined) {
    if (read.number !== wantedNumber) {
      showMessage('');
      showPicture(read.number);
    }
  } else {
    if (wantedNumber === null) showPicture(numbers.random());
    showMessage(read === null ? '' : `${read.error} Showing picture ${wantedNumber}.`, read !== null);
  }
  if (location.hash !== addressOf(wantedNumber)) history.replaceState(null, '', addressOf(wantedNumber));
}

function browseToTypedNumber() {
  const read = numbers.read(numberBox.value);
  if (read.error !== undefined) {
    showMessage(read.error, true);
    return;
  }
  browseTo(read.number);
}

async function savePicture() {
  if (shownNumber === null) return;  // nothing drawn yet
  const fileName = `Vorrith${shownNumber}.png`;
  try {
    downloadBlob(await picturePngBlob(pictureCanvas), fileName);
    showMessage(`Saved ${fileName}.`);
  } catch (error) {
    showMessage(`Could not save ${fileName}: ${error.message}`, true);
  }
}

function onKey(event) {
  if (event.defaultPrevented || event.altKey || event.ctrlKey || event.metaKey) return;
  if (event.target instanceof HTMLInputElement) return;  // the arrows move the caret there
  const step = { ArrowLeft: -1, ArrowRight: 1 }[event.key];
  if (step === undefined) return;
  event.preventDefault();
  browseBy(step);
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
  slideshow = new Slideshow(engine, {
    onPicture: (n) => {
      slideshowShows(n, isFirst);
      isFirst = false;
    },
    onEnd: (error) => {
      slideshow = null;
      if (error) showMessage(`The slideshow stopped: ${error.message}`, true);
      showPicture(wantedNumber);
    },
  });
  slideshow.start();
}

function connectControls() {
  document.getElementById('previous').addEventListener('click', () => browseBy(-1));
  document.getElementById('next').addEventListener('click', () => browseBy(1));
  document.getElementById('random').addEventListener('click', () => browseTo(numbers.random()));
  document.getElementById('save').addEventListener('click', savePicture);
  document.getElementById('slideshow').addEventListener('click', startSlideshow);
  document.getElementById('controls').addEventListener('submit', (event) => {
    event.preventDefault();
    browseToTypedNumber();
  });
  document.addEventListener('keydown', onKey);
  // Back, Forward and edits of the address all change the hash.
  window.addEventListener('hashchange', showAddressedPicture);
}

async function startPage() {
  try {
    engine = await PictureEngine.load();
  } catch (error) {
    showMessage(`The pictures cannot be drawn in this browser: ${error.message}`, true);
    return;
  }
  numbers = new PictureNumbers(engine.maxImageNumber);
  numberBox.title = `A picture number from 0 to ${numbers.max}`;
  showMessage('');
  showAddressedPicture();
  connectControls();
  document.body.dataset.ready = 'true';
}

// For the tests: the time of whole pictures in this browser's worker.
function runPictureBenchmark(numbers) {
  return engine.benchmark(numbers);
}

startPage();
