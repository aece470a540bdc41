// What the player typed since the last Enter, as far as the page posted it, so
// that an on-screen keyboard's "delete the word" erases the last word typed.
import { shared } from "./constants.js";

let typed = "";

// Notes a character the game was sent: typed, Backspace or Enter.
export function noteTyped(code) {
  if (code === shared.key.back) {
    typed = typed.slice(0, -1);
  } else if (code === shared.key.return) {
    typed = "";
  } else if (code !== shared.key.escape) {
    typed += String.fromCharCode(code);
  }
}

// Backspaces for the last word typed and the spaces after it.
export function lastWordLength() {
  const word = typed.replace(/ +$/, "");
  return typed.length - word.length + (word.length - word.lastIndexOf(" ") - 1);
}
