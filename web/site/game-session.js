// The page's side of the running game: whether the module is ready, whether a
// message box holds the game or the game has ended, and the window messages the
// page posts to the game's queue.
import { shared } from "./constants.js";

export const session = {
  ready: false, // the module's runtime is up
  ended: false, // the game has ended, or could not start
  dialogOpen: false, // a game's message box waits for the player
  played: false, // the game has taken a key or a menu choice from the player
};

function accepting() {
  return session.ready && !session.ended && !session.dialogOpen;
}

// Posts one window message; true when the game's queue took it.
export function post(message, wParam) {
  const taken = accepting() && globalThis.Module._LorvanPost(message, wParam) === 1;
  session.played ||= taken;
  return taken;
}

// A key pressed and released at once, as the page's menu items and an on-screen
// keyboard's Backspace and Enter give them. The key-up always finds room once the
// key-down was taken.
export function postKeyStroke(virtualKey, character) {
  if (!post(shared.message.keyDown, virtualKey)) {
    return false;
  }
  if (character !== undefined) {
    post(shared.message.char, character);
  }
  post(shared.message.keyUp, virtualKey);
  return true;
}

// Lets go of every key the game holds down: a key-up for each key-down it took
// whose own key-up has not come, as when it loses the keyboard.
export function releaseKeys() {
  if (accepting()) {
    globalThis.Module._LorvanReleaseKeys();
  }
}

// How many more whole key strokes the game's queue takes now.
export function keyStrokeRoom() {
  return accepting() ? globalThis.Module._LorvanKeyStrokeRoom() : 0;
}

// Calls back once the game has taken every message and key posted so far, or
// holds them behind a message box, or is gone: on the first display refresh after.
export function whenInputTaken(callback) {
  const check = () => {
    if (!accepting() || !globalThis.Module._LorvanInputPending()) {
      callback();
    } else {
      requestAnimationFrame(check);
    }
  };
  requestAnimationFrame(check);
}
