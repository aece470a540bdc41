// The results as a list of their lines under a heading, in a region named by it,
// while the results screen shows: a screen reader's reading keys go through them
// line by line, and the region is where the keys go (keys-home.js), so the player
// is there without a screen-reader command. The list lies unseen over the canvas,
// which shows the same text. F1 and Escape reach the game from it.
const section = document.getElementById("results");
const heading = document.getElementById("results-heading");
const list = document.getElementById("results-lines");

export function resultsSection() {
  return section;
}

// Whether the results show: the keys go to them then.
export function resultsShown() {
  return !section.hidden;
}

// The results' list under its name, its lines one item each; no lines when the
// results are gone. The same lines again leave the list as it is, so a reader
// going through it is not sent back to its start. Returns whether the results
// have just appeared.
export function showResults(name, lines) {
  const items = Array.from(list.children, (item) => item.textContent);
  if (heading.textContent === name && items.length === lines.length &&
      items.every((item, i) => item === lines[i])) {
    return false;
  }
  heading.textContent = name;
  list.replaceChildren(...lines.map((line) => {
    const item = document.createElement("li");
    item.textContent = line;
    return item;
  }));
  const appearing = section.hidden && lines.length > 0;
  section.hidden = lines.length === 0;
  return appearing;
}
