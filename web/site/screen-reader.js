// The live region that tells screen readers what the game's screen shows, one
// paragraph a text, and the only place on the page that speaks the game's
// screens. Only the paragraphs whose text changed are touched, so a screen reader
// says what changed and not the whole screen again. The answer being typed is
// not here: the answer field holds it, and a screen reader echoes it there.
import { shared } from "./constants.js";

const region = document.getElementById("screen-text");

// The texts the region holds now.
export function sayTexts(texts) {
  while (region.children.length > texts.length) {
    region.lastElementChild.remove();
  }
  texts.forEach((text, i) => {
    const paragraph = region.children[i];
    if (!paragraph) {
      const added = document.createElement("p");
      added.textContent = text;
      region.append(added);
    } else if (paragraph.textContent !== text) {
      paragraph.textContent = text;
    }
  });
}

// The screen's texts as the module hands them over, one string.
export function setScreenText(joined) {
  sayTexts(joined === "" ? [] : joined.split(shared.screenTextSeparator));
}

// The texts the region holds, for the results list.
export function screenTexts() {
  return Array.from(region.children, (paragraph) => paragraph.textContent);
}
