// The keys and the typing, as the game's window messages: key-downs and key-ups,
// the control characters Windows makes of Backspace, Enter and Escape, and the
// characters the answer field took. The one record of the keys held and the one
// filter of typed characters.
import { shared } from "./constants.js";
import { keyStrokeRoom, post, postKeyStroke, session } from "./game-session.js";
import { openMenuByMnemonic } from "./menus.js";

// The keys whose key-down was taken by the game and whose key-up it still awaits.
const heldKeys = new Set();

function controlCharacter(key) {
  switch (key) {
    case "Backspace":
      return shared.key.back;
    case "Enter":
      return shared.key.return;
    case "Escape":
      return shared.key.escape;
    default:
      return -1;
  }
}

// Keys whose browser meaning must never happen while the game has the keyboard:
// F5 would reload the page, F1 open the browser's help, Backspace go back.
const GAME_KEYS = new Set(["Escape", "F1", "F5", "F6", "Backspace", "Enter"]);

export function isGameKey(key) {
  return GAME_KEYS.has(key);
}

// The character code the game is given for a typed character, or -1: it takes
// only ' ' to '~' and drops the rest of the first 256 itself, as on Windows.
function gameCharacterCode(character) {
  const code = character.charCodeAt(0);
  return code < 256 ? code : -1;
}

// What the answer field gained and lost in one change, as the game's Backspaces
// and characters, no more than its queue can take now.
export function postTypedText(erased, typed) {
  let room = keyStrokeRoom();
  for (; erased > 0 && room > 0; --erased, --room) {
    postKeyStroke(shared.key.back, shared.key.back);
  }
  for (const character of typed) {
    if (room === 0) {
      break;
    }
    const code = gameCharacterCode(character);
    if (code >= 0) {
      post(shared.message.char, code);
    }
    --room;
  }
}

// The browser's key codes are the Windows virtual-key codes for every key the
// game looks at (Escape, F1, F5, F6, Ctrl, Alt).
function virtualKeyOf(event) {
  return event.keyCode & 0xff;
}

function onKeyDown(event) {
  if (session.dialogOpen || session.ended) {
    return;
  }
  // An on-screen keyboard reports its keys as code 229; its text arrives as input.
  if (event.isComposing || event.keyCode === 229 || event.key === "Unidentified") {
    return;
  }
  // macOS sends no key-up for a key released while Cmd is down, so no key is
  // pressed for the game under Cmd, and the keys already down are let go.
  if (event.metaKey) {
    releaseHeldKeys();
    return;
  }
  // Tab leaves the game for the menu bar, as keyboard users expect of a page;
  // the game drops the Tab character anyway.
  if (event.key === "Tab") {
    return;
  }
  if (event.altKey && !event.ctrlKey && event.code.startsWith("Key") &&
      openMenuByMnemonic(event.code.slice(3).toLowerCase())) {
    event.preventDefault();
    return;
  }
  // A typed character reaches the game through the answer field's change; the
  // key itself goes as its key-down, and Backspace, Enter and Escape with the
  // character Windows makes of them.
  const virtualKey = virtualKeyOf(event);
  const character = controlCharacter(event.key);
  if (post(shared.message.keyDown, virtualKey)) {
    heldKeys.add(virtualKey);
    if (character >= 0) {
      post(shared.message.char, character);
    }
  }
  if (GAME_KEYS.has(event.key)) {
    event.preventDefault();
  }
}

function onKeyUp(event) {
  const virtualKey = virtualKeyOf(event);
  if (heldKeys.delete(virtualKey)) {
    post(shared.message.keyUp, virtualKey);
  }
}

// A key still held when the game loses the keyboard would stay down for ever.
export function releaseHeldKeys() {
  for (const virtualKey of heldKeys) {
    post(shared.message.keyUp, virtualKey);
  }
  heldKeys.clear();
}

// A message box takes the key-ups of the keys held while it opens, as in the exe.
export function forgetHeldKeys() {
  heldKeys.clear();
}

// The keys go to the game from the places that are the game's: the answer field,
// the results list, and the page itself, where the focus is when a screen
// reader's reading keys have moved the reading point off anything focusable.
export function listenToKeys(gameTargets) {
  const isGameTarget = (target) => target === document.body ||
    gameTargets.some((place) => place.contains(target));
  document.addEventListener("keydown", (event) => {
    if (isGameTarget(event.target)) {
      onKeyDown(event);
    }
  });
  document.addEventListener("keyup", (event) => {
    if (isGameTarget(event.target)) {
      onKeyUp(event);
    }
  });
  document.addEventListener("focusout", (event) => {
    if (isGameTarget(event.target)) {
      releaseHeldKeys();
    }
  });
  // Wherever the keyboard is on the page, F1, F5 and F6 belong to the game: the
  // browser must not reload the page or open its help under a running game. Once
  // the game has ended, F5 reloads the page, which starts a new game.
  document.addEventListener("keydown", (event) => {
    if (event.key === "F1" || event.key === "F5" || event.key === "F6") {
      event.preventDefault();
      if (session.ended && event.key === "F5") {
        location.reload();
      }
    }
  });
}
