// On-screen keyboards and input methods: the answer field takes their text, and
// the difference its value shows after each change becomes the game's characters,
// Backspaces and Enter. Reading the value, not the events' data, takes every
// character exactly once in every engine: a composition (as Android keyboards
// type every word) is taken once, when it ends.
import { shared } from "./constants.js";
import { keyStrokeRoom, post, postKeyStroke, session } from "./game-session.js";
import { noteTyping } from "./screen-reader.js";
import { lastWordLength, noteTyped } from "./typed-word.js";

// What the field holds between changes: one space, so that Backspace always has
// something to delete and so reports itself.
const SENTINEL = " ";

const field = document.getElementById("touch-keys");
const canvas = document.getElementById("game");
let composing = false;
let backspaceKeyPosted = false; // the Backspace key's own key-down already erased
let answerBox = [0, 0, 0, 0];
let canvasPixelWidth = 0;

function resetField() {
  field.value = SENTINEL;
  field.setSelectionRange(SENTINEL.length, SENTINEL.length);
}

// The game's strokes for what changed, no more than its queue can take now.
function postChange(erased, typed) {
  let room = keyStrokeRoom();
  for (; erased > 0 && room > 0; --erased, --room) {
    postKeyStroke(shared.key.back, shared.key.back);
    noteTyped(shared.key.back);
    noteTyping();
  }
  for (const character of typed) {
    if (room === 0) {
      break;
    }
    if (character === "\n") {
      postKeyStroke(shared.key.return, shared.key.return);
      noteTyped(shared.key.return);
    } else {
      const code = character.charCodeAt(0);
      // The game takes only ' ' to '~'; it drops anything else, as on Windows.
      if (code < 256) {
        if (post(shared.message.char, code)) {
          noteTyped(code);
          noteTyping();
        }
      }
    }
    --room;
  }
}

// Backspaces to post for a deletion of so many characters: one fewer when the
// Backspace key's own key-down was the game's Backspace already.
function erasedBeyondKey(erased) {
  const beyond = erased > 0 && backspaceKeyPosted ? erased - 1 : erased;
  backspaceKeyPosted = false;
  return beyond;
}

// An input event that left the field as it was (one made by a script) says in
// its type and data alone what it typed.
function takeEventChange(event) {
  if (event.inputType === "deleteContentBackward") {
    postChange(erasedBeyondKey(1), "");
  } else if (event.inputType === "insertLineBreak" || event.inputType === "insertParagraph") {
    postChange(0, "\n");
  } else if (event.data) {
    postChange(0, event.data);
  }
}

function takeFieldChange() {
  const value = field.value;
  let common = 0;
  while (common < SENTINEL.length && common < value.length && value[common] === SENTINEL[common]) {
    ++common;
  }
  postChange(erasedBeyondKey(SENTINEL.length - common), value.slice(common).replace(/\r\n?/g, "\n"));
  resetField();
}

function onInput(event) {
  if (composing || event.isComposing) {
    return; // taken whole when the composition ends
  }
  if (event.inputType === "deleteWordBackward") {
    backspaceKeyPosted = false;
    postChange(lastWordLength(), "");
    resetField();
    return;
  }
  if (field.value === SENTINEL) {
    takeEventChange(event);
  } else {
    takeFieldChange();
  }
}

function onKeyDown(event) {
  // A hardware Backspace on the field is posted as a key (keyboard.js); should
  // the browser still delete, the deletion is the same Backspace.
  if (event.key === "Backspace" && !event.isComposing && event.keyCode !== 229) {
    backspaceKeyPosted = true;
  }
}

// The game's text box in canvas pixels; the field lies over it, so the browser
// keeps the game's answer in view above an on-screen keyboard.
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

export function startTouchInput() {
  resetField();
  field.addEventListener("input", onInput);
  field.addEventListener("keydown", onKeyDown);
  field.addEventListener("keyup", () => {
    backspaceKeyPosted = false;
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
        takeFieldChange();
      }
    }, 0);
  });
  // A tap brings up the on-screen keyboard; a click gives the canvas the keys.
  canvas.addEventListener("pointerdown", (event) => {
    event.preventDefault();
    if (session.ended) {
      return;
    }
    if (event.pointerType === "touch" || event.pointerType === "pen") {
      resetField();
      field.focus({ preventScroll: true });
    } else {
      canvas.focus();
    }
  });
}
