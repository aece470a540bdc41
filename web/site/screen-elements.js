// The game's accessible screen, as the module tells it after a frame whose
// elements changed: its texts, its answer field and the results' list, each with
// its role, name and place. The game decides them, and the exe tells a Windows
// screen reader the same; this module only hands them to the parts of the page
// that present them. The page says a new screen through its live region, where
// the exe moves the focus: the answer field keeps the focus from screen to
// screen, so the edit's description is the region's to say.
import { setAnswerBox } from "./answer-field.js";
import { shared } from "./constants.js";
import { showResults } from "./results-list.js";
import { sayTexts } from "./screen-reader.js";

let elements = [];

export function startElements() {
  elements = [];
}

export function addElement(element) {
  elements.push(element);
}

export function endElements() {
  const role = shared.role;
  const edit = elements.find((element) => element.role === role.edit);
  const list = elements.find((element) => element.role === role.list);
  sayTexts(elements.filter((element) => element.role === role.text ||
    element.role === role.listItem).map((element) => element.name));
  setAnswerBox(...(edit ? edit.bounds : [0, 0, 0, 0]));
  showResults(list ? list.name : "",
    elements.filter((element) => element.role === role.listItem).map((element) => element.name));
}
