// The keys and the typing, as the game's window messages: key-downs and key-ups,
// the control characters Windows makes of Backspace, Enter and Escape, and the
// characters the answer field took. The one filter of typed characters. Which
// keys are held is the game's queue's to know: it takes a key-up only for a
// key-down it took, and lets go of them all when asked (releaseKeys).
import { shared } from "./constants.js";
import { keyStrokeRoom, post, postKeyStroke, releaseKeys, session } from "./game-session.js";

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
  // A key the page took for itself (Alt and a menu's letter) is not the game's.
  if (session.dialogOpen || session.ended || event.defaultPrevented) {
    return;
  }
  // An on-screen keyboard reports its keys as code 229; its text arrives as input.
  if (event.isComposing || event.keyCode === 229 || event.key === "Unidentified") {
    return;
  }
  // macOS sends no key-up for a key released while Cmd is down, so no key is
  // pressed for the game under Cmd, and the keys already down are let go.
  if (event.metaKey) {
    releaseKeys();
    return;
  }
  // Tab leaves the game for the menu bar, as keyboard users expect of a page;
  // the game drops the Tab character anyway.
  if (event.key === "Tab") {
    return;
  }
  // A typed character reaches the game through the answer field's change; the
  // key itself goes as its key-down, and Backspace, Enter and Escape with the
  // character Windows makes of them.
  const virtualKey = virtualKeyOf(event);
  const character = controlCharacter(event.key);
  if (post(shared.message.keyDown, virtualKey) && character >= 0) {
    post(shared.message.char, character);
  }
  if (GAME_KEYS.has(event.key)) {
    event.preventDefault();
  }
}

function onKeyUp(event) {
  post(shared.message.keyUp, virtualKeyOf(event));
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
  // A key-up goes to the game from anywhere on the page: its queue takes only
  // those of the key-downs it took, and a key pressed in the game and released
  // on a menu (Alt, after Alt and a menu's letter) is let go of for the game too.
  document.addEventListener("keyup", onKeyUp);
  // A key still held when the game loses the keyboard would stay down for ever.
  document.addEventListener("focusout", (event) => {
    if (isGameTarget(event.target)) {
      releaseKeys();
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
