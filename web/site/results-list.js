// The results as a list of their lines under a heading, in a region named by it,
// while the results screen shows: a screen reader's reading keys go through them
// line by line, and the region is where the keys go (keys-home.js), so the player
// is there without a screen-reader command. The list lies unseen over the canvas,
// which shows the same text. F1 and Escape reach the game from it.
const section = document.getElementById("results");
const list = document.getElementById("results-lines");

export function resultsSection() {
  return section;
}

// Whether the results show: the keys go to them then.
export function resultsShown() {
  return !section.hidden;
}

// The results screen's text, its lines one item each; "" when it is gone.
// Returns whether the results have just appeared.
export function showResults(text) {
  const lines = text.split("\n").filter((line) => line.trim() !== "");
  list.replaceChildren(...lines.map((line) => {
    const item = document.createElement("li");
    item.textContent = line;
    return item;
  }));
  const appearing = section.hidden && lines.length > 0;
  section.hidden = lines.length === 0;
  return appearing;
}
