// Where the keys go: the one rule, asked by every part of the page that hands
// them back. After any control of the page - the Fill button, a menu opened and
// closed, a menu item, a message box, Share, a tap - the keys go back to the
// game: on the results screen to the results, from which a screen reader's
// reading keys go through them and F1, Escape and the menus work; on every other
// screen to the answer field, which takes the typing. Only an open box keeps
// them, and once the game has ended nothing takes them.
//
// The results take the focus as their region, not their heading. When what Orca
// was on has gone (a box that closed), it finds its place again from the focus,
// without a word: a focused heading is that place itself, so Orca took its
// focus as nothing new and said nothing; the region around that place it says.
// A text field it says either way.
import { session } from "./game-session.js";
import { resultsSection, resultsShown } from "./results-list.js";

const answerField = document.getElementById("answer");
const canvas = document.getElementById("game");

// The place the keys belong now, or null while they belong to nothing of the game.
function keysHome() {
  if (session.ended || document.querySelector("dialog[open]")) {
    return null;
  }
  return resultsShown() ? resultsSection() : answerField;
}

export function giveKeysToGame() {
  const home = keysHome();
  if (home) {
    home.focus({ preventScroll: true });
  }
}

// A tap or a click on the game gives it the keys; on the answer field a tap
// also brings up the on-screen keyboard. So does a press on anything else that
// is no control (the caption, the page around the window): the focus would go
// to the page itself, where typed characters reach nothing. The client area's
// own box is its corner, which resizes it.
const CONTROLS = "button, input, dialog, .menu, .client";

export function startKeysHome() {
  document.addEventListener("pointerdown", (event) => {
    if (!session.ended && (event.target === canvas || !event.target.closest(CONTROLS))) {
      event.preventDefault();
      giveKeysToGame();
    }
  });
}
