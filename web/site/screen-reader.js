// The live region that tells screen readers what the game's screen shows, one
// paragraph a text. Only the paragraphs whose text changed are touched, so a
// screen reader reads out what changed and not the whole screen again. The answer
// being typed is said once typing pauses, not after every key; every other
// change at once.
import { shared } from "./constants.js";

const TYPING_PAUSE_MS = 700;
const region = document.getElementById("screen-text");
let shown = [];
let lastTypedAt = -Infinity;
let pending = null;

// The page typed a character or erased one: the changes to the answer that
// follow, while the game takes the keys still queued, are the typing's.
export function noteTyping() {
  lastTypedAt = performance.now();
}

function show(texts) {
  shown = texts;
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

// Typing changes the last text only: the answer, which comes or goes with its
// first character.
function onlyLastTextDiffers(before, after) {
  if (Math.abs(before.length - after.length) > 1) {
    return false;
  }
  const kept = Math.min(before.length, after.length, Math.max(before.length, after.length) - 1);
  return before.slice(0, kept).every((text, i) => text === after[i]);
}

export function setScreenText(joined) {
  const texts = joined === "" ? [] : joined.split(shared.screenTextSeparator);
  const typing = performance.now() - lastTypedAt < TYPING_PAUSE_MS &&
    onlyLastTextDiffers(shown, texts);
  clearTimeout(pending);
  pending = null;
  if (typing) {
    pending = setTimeout(() => show(texts), TYPING_PAUSE_MS);
    shown = texts; // the next change compares with what the game shows now
  } else {
    show(texts);
  }
}

// What the page itself says in the region, such as that the game has ended.
export function sayTexts(texts) {
  clearTimeout(pending);
  pending = null;
  show(texts);
}
