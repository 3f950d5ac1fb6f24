// The page's controls of the favourites: the star under a picture, which says and
// announces whether it is one, and the favourites grid's Export and Import of a file of
// links. Messages go to the page's live message line.
'use strict';

const FAVOURITES_FILE_NAME = 'Vorrith favourites.txt';

function counted(count, thing) {
  return `${count} ${thing}${count === 1 ? '' : 's'}`;
}

class FavouriteControls {
  // currentNumber() names the picture shown; showMessage(text, isError) speaks;
  // onListChange() hears of favourites added by a file or by another tab.
  constructor(favourites, numbers, { currentNumber, showMessage, onListChange }) {
    this.favourites = favourites;
    this.numbers = numbers;
    this.currentNumber = currentNumber;
    this.showMessage = showMessage;
    this.onListChange = onListChange;
    this.star = document.getElementById('favourite');
    this.importFile = document.getElementById('import-file');
  }

  connect() {
    this.star.addEventListener('click', () => this.toggle());
    document.getElementById('export').addEventListener('click', () => this.exportFile());
    document.getElementById('import').addEventListener('click', () => this.importFile.click());
    this.importFile.addEventListener('change', () => {
      if (this.importFile.files.length > 0) this.importFrom(this.importFile.files[0]);
      this.importFile.value = '';
    });
    window.addEventListener('storage', (event) => {
      if (event.key === FAVOURITES_KEY || event.key === null) this.reload();  // null: storage cleared
    });
  }

  // Shows whether the current picture is a favourite.
  showState() {
    const kept = this.favourites.has(this.currentNumber());
    this.star.setAttribute('aria-pressed', String(kept));
    this.star.querySelector('.star').textContent = kept ? '\u2605' : '\u2606';
  }

  toggle() {
    const n = this.currentNumber();
    const problem = this.favourites.toggle(n);
    this.showState();
    if (problem) this.showMessage(problem, true);
    else if (this.favourites.has(n)) this.showMessage(`Picture ${n} is a favourite.`);
    else this.showMessage(`Picture ${n} is no longer a favourite.`);
  }

  // Another tab changed the favourites.
  reload() {
    const problem = this.favourites.load();
    if (problem) this.showMessage(problem, true);
    if (this.currentNumber() !== null) this.showState();
    this.onListChange();
  }

  exportFile() {
    const count = this.favourites.list().length;
    if (count === 0) {
      this.showMessage('There are no favourites to export yet.');
      return;
    }
    const text = this.favourites.exportText(location.href);
    downloadBlob(new Blob([text], { type: 'text/plain' }), FAVOURITES_FILE_NAME);
    this.showMessage(`Saved ${counted(count, 'link')} to your favourites in ${FAVOURITES_FILE_NAME}.`);
  }

  async importFrom(file) {
    if (file.size > LARGEST_FAVOURITES_FILE) {
      this.showMessage(`${file.name} is too large to be a list of favourites.`, true);
      return;
    }
    let text;
    try {
      text = await file.text();
    } catch (error) {
      this.showMessage(`${file.name} could not be read: ${error.message}`, true);
      return;
    }
    const found = readFavouriteLinks(text, this.numbers);
    if (found.numbers.length === 0) {
      this.showMessage(`${file.name} holds no links to pictures.`, true);
      return;
    }
    const added = this.favourites.addAll(found.numbers);
    const problem = this.favourites.save();
    const already = new Set(found.numbers).size - added;
    const notes = [`Added ${counted(added, 'favourite')} from ${file.name}`];
    if (already > 0) notes.push(`${counted(already, 'picture')} ${already === 1 ? 'was' : 'were'} one already`);
    if (found.unreadLines > 0) notes.push(`${counted(found.unreadLines, 'line')} named no picture`);
    this.showMessage(problem || `${notes.join('; ')}.`, problem !== '');
    this.onListChange();
  }
}
