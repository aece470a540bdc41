// The answer field: the one text field that takes the player's typing, from a
// hardware keyboard, an on-screen keyboard or an input method alike. It is named
// by the question the screen asks and holds the answer the game's text box holds,
// so a screen reader switches to typing by itself, echoes each character and can
// read the answer back. It lies, transparent, over the game's text box, so the
// browser keeps the answer in view above an on-screen keyboard.
//
// What the field's value gains or loses in each change becomes the game's
// characters and Backspaces: a composition (the way Android keyboards type every
// word) is taken once, when it ends, and "delete word" erases what the field
// erased. Once the game has taken every key, the field shows the game's answer
// again, so a character the game refused leaves the field too.
import { postTypedText } from "./keyboard.js";
import { session } from "./game-session.js";

const field = document.getElementById("answer");
const canvas = document.getElementById("game");
let composing = false;
let taken = ""; // the field's value as far as the game was given it
let gameAnswer = "";
let answerBox = [0, 0, 0, 0];
let canvasPixelWidth = 0;

function show(value) {
  field.value = value;
  taken = value;
  field.setSelectionRange(value.length, value.length);
}

// Typing before the game runs waits in the field: the field has the keys, and a
// screen reader asks for the answer, from the moment the page has loaded.
function takeChange() {
  if (!session.ready) {
    return;
  }
  const value = field.value;
  let common = 0;
  while (common < taken.length && common < value.length && value[common] === taken[common]) {
    ++common;
  }
  postTypedText(taken.length - common, value.slice(common));
  taken = value;
}

// Called with every frame presented: first what was typed and not yet given to
// the game; then the game's answer, once nothing typed is still on its way to
// the game, nor in the field and not yet given to it (a composition, or one that
// has just ended).
export function followGameAnswer() {
  if (!composing && field.value !== taken) {
    takeChange();
  }
  if (!composing && field.value === taken && field.value !== gameAnswer && session.ready &&
      !globalThis.Module._LorvanInputPending()) {
    show(gameAnswer);
  }
}

// The question on the screen ("" when it asks none) and the answer in its box.
export function setAnswerField(question, answer) {
  field.setAttribute("aria-label", question || document.title);
  gameAnswer = answer;
  followGameAnswer();
}

// The field's name: the question, or the page's title on screens that ask none.
export function answerFieldName() {
  return field.getAttribute("aria-label");
}

// The game's text box in canvas pixels.
export function setAnswerBox(left, top, width, height) {
  answerBox = [left, top, width, height];
  placeField();
}

// The canvas's width in the pixels the game draws in, as last told to the game:
// the text box it reports next is in these.
export function setCanvasPixelWidth(width) {
  canvasPixelWidth = width;
  placeField();
}

function placeField() {
  const scale = canvasPixelWidth > 0 ? canvas.clientWidth / canvasPixelWidth : 1;
  const [left, top, width, height] = answerBox.map((pixels) => pixels * scale);
  field.style.setProperty("left", left + "px");
  field.style.setProperty("top", top + "px");
  field.style.setProperty("width", Math.max(width, 1) + "px");
  field.style.setProperty("height", Math.max(height, 1) + "px");
}

export function startAnswerField() {
  show("");
  field.addEventListener("input", (event) => {
    if (!composing && !event.isComposing) {
      takeChange();
    }
  });
  field.addEventListener("compositionstart", () => {
    composing = true;
  });
  field.addEventListener("compositionend", () => {
    composing = false;
    // Some engines change the value only after compositionend. A composition
    // begun meanwhile leaves the text in the field, to be taken when it ends.
    setTimeout(() => {
      if (!composing) {
        takeChange();
      }
    }, 0);
  });
}
