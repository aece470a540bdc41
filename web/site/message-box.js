// The game's message boxes, drawn by the page as on Windows: caption, icon, text
// and the same buttons. The game waits for the answer with its frames held. A
// box closed in any other way - the browser's close request, such as Android's
// back gesture - answers as Cancel, or as No where there is no Cancel, or OK.
// The page's own notices (noticeBox) look the same but hold nothing.
//
// A screen reader says a box's caption and text, its name and description, as
// the focus moves into it. Closed, the box gives the keys back to the game
// (keys-home.js), and a screen reader follows them there: the boxes lie in a
// container of their own (index.html says why).
//
// The box is modal by its own means - a backdrop that takes the pointer, the Tab
// key and the focus kept among its buttons, the game's keys held - and not
// by showModal(): a screen reader says nothing of a dialog opened that way in
// Chromium, and only its first button in Firefox; and Chromium gives the page
// back from under a modal dialog as if it were new, so the page's live region
// said its screen again. closedby="closerequest" lets Escape and Android's back
// gesture close it.
import { shared } from "./constants.js";
import { session } from "./game-session.js";
import { isGameKey } from "./keyboard.js";
import { giveKeysToGame } from "./keys-home.js";
import { closeMenus } from "./menus.js";

const backdrop = document.getElementById("box-backdrop");

// A button's label with its underlined letter, as the exe's boxes show them.
function label(text, mnemonic) {
  const parts = [];
  const at = mnemonic ? text.toLowerCase().indexOf(mnemonic) : -1;
  if (at < 0) {
    return [text];
  }
  parts.push(text.slice(0, at));
  const underlined = document.createElement("u");
  underlined.textContent = text[at];
  parts.push(underlined, text.slice(at + 1));
  return parts;
}

function iconClass(style) {
  const box = shared.messageBox;
  if (style & box.iconError) {
    return "icon-error";
  }
  if (style & box.iconQuestion) {
    return "icon-question";
  }
  if (style & box.iconInformation) {
    return "icon-information";
  }
  return null;
}

function fill(dialog, caption, text, icon, buttons) {
  dialog.querySelector(".caption").textContent = caption;
  dialog.querySelector(".message-box-text").textContent = text;
  const iconElement = dialog.querySelector(".message-box-icon");
  iconElement.className = "message-box-icon";
  if (icon) {
    iconElement.classList.add(icon);
  }
  const row = dialog.querySelector(".message-box-buttons");
  row.replaceChildren(...buttons.map(({ text: buttonText, mnemonic, answer }) => {
    const button = document.createElement("button");
    button.type = "button";
    button.append(...label(buttonText, mnemonic));
    button.dataset.answer = String(answer);
    return button;
  }));
  return row;
}

// Tab and Shift+Tab go round the box's buttons and never out of the box.
function keepTabAmong(row, event) {
  const buttons = Array.from(row.children);
  const at = buttons.indexOf(document.activeElement);
  const step = event.shiftKey ? -1 : 1;
  buttons[(at + step + buttons.length) % buttons.length].focus();
  event.preventDefault();
}

// Shows the dialog and resolves with the answer chosen: a button, its letter,
// Enter for the focused button, Escape or any closing for closedAnswer.
function ask(dialog, buttons, closedAnswer) {
  return new Promise((resolve) => {
    let answered = false;
    function answer(value) {
      if (answered) {
        return;
      }
      answered = true;
      dialog.removeEventListener("keydown", onKey);
      dialog.removeEventListener("close", onClose);
      document.removeEventListener("focusin", onFocusIn);
      backdrop.hidden = true;
      if (dialog.open) {
        dialog.close();
      }
      resolve(value);
    }
    function onKey(event) {
      let value = null;
      const chosen = buttons.find((button) => button.mnemonic === event.key.toLowerCase());
      if (chosen) {
        value = chosen.answer;
      } else if (event.key === "Escape") {
        value = closedAnswer;
      } else if (event.key === "Tab") {
        keepTabAmong(row, event);
        return;
      } else if (event.key === "Enter") {
        const focused = document.activeElement;
        value = focused && focused.dataset.answer ? Number(focused.dataset.answer) : buttons[0].answer;
      }
      if (isGameKey(event.key) || value !== null) {
        event.preventDefault(); // F5 must not reload the page behind the box either
        event.stopPropagation();
      }
      if (value !== null) {
        answer(value);
      }
    }
    function onClose() {
      answer(closedAnswer);
    }
    // The focus stays in the box: should anything move it out (a screen reader
    // catching up with a focus given before the box opened), it comes back.
    let focusedInBox = null;
    function onFocusIn(event) {
      if (dialog.contains(event.target)) {
        focusedInBox = event.target;
      } else {
        (focusedInBox || row.firstElementChild).focus();
      }
    }
    const row = dialog.querySelector(".message-box-buttons");
    for (const button of row.children) {
      button.addEventListener("click", () => answer(Number(button.dataset.answer)));
    }
    dialog.addEventListener("keydown", onKey);
    dialog.addEventListener("close", onClose);
    document.addEventListener("focusin", onFocusIn);
    backdrop.hidden = false;
    dialog.show();
    row.firstElementChild.focus();
  });
}

export async function showMessageBox(text, caption, style) {
  const box = shared.messageBox;
  // The box takes the key-ups of the keys held as it opens, as in the exe: the
  // game's queue forgets them once it is answered.
  session.dialogOpen = true;
  closeMenus();
  const buttons = (style & box.typeMask) === box.yesNoCancel
    ? [{ text: "Yes", mnemonic: "y", answer: box.yes },
      { text: "No", mnemonic: "n", answer: box.no },
      { text: "Cancel", answer: box.cancel }]
    : [{ text: "OK", answer: box.ok }];
  const closedAnswer = (buttons.find((button) => button.answer === box.cancel) ||
    buttons.find((button) => button.answer === box.no) || buttons[0]).answer;
  const dialog = document.getElementById("message-box");
  try {
    fill(dialog, caption, text, iconClass(style), buttons);
    return await ask(dialog, buttons, closedAnswer);
  } catch {
    return closedAnswer; // a box that cannot show must not hold the game for good
  } finally {
    session.dialogOpen = false;
    giveKeysToGame();
  }
}

// A notice of the page's own, in the same look, while the game runs on.
export async function noticeBox(caption, text) {
  const dialog = document.getElementById("page-notice");
  const buttons = [{ text: "OK", answer: 0 }];
  fill(dialog, caption, text, "icon-information", buttons);
  await ask(dialog, buttons, 0);
  giveKeysToGame();
}
