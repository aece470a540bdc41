// The game's accessible screen, as the module tells it after a frame whose
// elements changed: its texts, its answer field and the results' list, each with
// its role, name and place. The game decides them, and the exe tells a Windows
// screen reader the same; this module only hands them to the parts of the page
// that present them. The page says a new screen through its live region, where
// the exe moves the focus: the answer field keeps the focus from screen to
// screen, so the edit's description is the region's to say.
import { setAnswerBox } from "./answer-field.js";
import { shared } from "./constants.js";
import { giveKeysToGame } from "./keys-home.js";
import { showResults } from "./results-list.js";
import { sayTexts } from "./screen-reader.js";

let elements = [];
let textsShown = []; // the texts of the screen the live region was last given

function sameTexts(a, b) {
  return a.length === b.length && a.every((text, i) => text === b[i]);
}

export function startElements() {
  elements = [];
}

export function addElement(element) {
  elements.push(element);
}

// Presents the elements told since startElements. Their texts go to the live
// region when they changed, but for the one the focus says as it arrives with
// the screen (saidByFocus), which is said once: elements that only moved leave
// the region alone.
export function showElements(saidByFocus) {
  const role = shared.role;
  const edit = elements.find((element) => element.role === role.edit);
  const list = elements.find((element) => element.role === role.list);
  const texts = elements.filter((element) => element.role === role.text ||
    element.role === role.listItem).map((element) => element.name);
  if (!sameTexts(texts, textsShown)) {
    textsShown = texts;
    sayTexts(texts.filter((text) => text !== saidByFocus));
  }
  setAnswerBox(...(edit ? edit.bounds : [0, 0, 0, 0]));
  const appearing = showResults(list ? list.name : "",
    elements.filter((element) => element.role === role.listItem).map((element) => element.name));
  if (appearing) {
    giveKeysToGame();
  }
}
