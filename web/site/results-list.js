// The results as a list of their lines under a heading, while the results screen
// shows: a screen reader's reading keys go through them line by line, and the
// heading takes the focus when they appear, so the player is there without a
// screen-reader command. The list lies unseen over the canvas, which shows the
// same text. F1 and Escape reach the game from it.
const section = document.getElementById("results");
const heading = document.getElementById("results-heading");
const list = document.getElementById("results-lines");

export function resultsSection() {
  return section;
}

// Whether the results show: the keys go back to their list after a message box.
export function resultsShown() {
  return !section.hidden;
}

export function focusResults() {
  heading.focus({ preventScroll: true });
}

// The results' list under its name, its lines one item each; no lines when the
// results are gone. The same lines again leave the list as it is, so a reader
// going through it is not sent back to its start.
export function showResults(name, lines) {
  const items = Array.from(list.children, (item) => item.textContent);
  if (heading.textContent === name && items.length === lines.length &&
      items.every((item, i) => item === lines[i])) {
    return;
  }
  heading.textContent = name;
  list.replaceChildren(...lines.map((line) => {
    const item = document.createElement("li");
    item.textContent = line;
    return item;
  }));
  const appearing = section.hidden && lines.length > 0;
  section.hidden = lines.length === 0;
  if (appearing) {
    focusResults();
  }
}
