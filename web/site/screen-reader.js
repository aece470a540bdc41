// The live region that tells screen readers what the game's screen shows, and the
// only place on the page that speaks the game's screens. A screen whose texts
// changed is put in the region as one new block of text, a line a text, so a
// screen reader says it once, whole and in the screen's order: elements added
// apart (paragraphs) are said apart, and a key pressed meanwhile drops those not
// yet said. An unchanged screen leaves the region alone. The answer being typed
// is not here: the answer field holds it, and a screen reader echoes it there.
import { shared } from "./constants.js";

const region = document.getElementById("screen-text");
let shown = [];

export function sayTexts(texts) {
  if (texts.length === shown.length && texts.every((text, i) => text === shown[i])) {
    return;
  }
  shown = texts;
  const block = document.createElement("div");
  texts.forEach((text, i) => {
    const line = document.createElement("span");
    line.textContent = text;
    block.append(...(i > 0 ? ["\n", line] : [line]));
  });
  region.replaceChildren(block);
}

// The screen's texts as the module hands them over, one string, but for a text
// the focus says as it arrives with the screen (saidByFocus), said once.
export function setScreenText(joined, saidByFocus = null) {
  const texts = joined === "" ? [] : joined.split(shared.screenTextSeparator);
  sayTexts(texts.filter((text) => text !== saidByFocus));
}

// The texts the region holds, for the results list.
export function screenTexts() {
  return shown;
}
