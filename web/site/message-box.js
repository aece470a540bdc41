// The game's message boxes, drawn by the page as on Windows: caption, icon, text
// and the same buttons. The game waits for the answer with its frames held. A
// box closed in any other way - the browser's close request, such as Android's
// back gesture - answers as Cancel, or as No where there is no Cancel, or OK.
// The page's own notices (noticeBox) look the same but hold nothing.
//
// A screen reader hears a box's caption and text from a live region inside it
// when it opens; neither the dialog's name nor an alert dialog's role is said by
// every browser, and Chromium repeats an alert dialog several times. Closed, the
// box gives the keys back to the answer field, or to the results list it was
// opened from.
import { focusAnswerField } from "./answer-field.js";
import { shared } from "./constants.js";
import { session } from "./game-session.js";
import { forgetHeldKeys, isGameKey } from "./keyboard.js";
import { closeMenus } from "./menus.js";
import { focusIsInResults, focusResults } from "./results-list.js";

// How long after the dialog shows its live region is filled: a region must be in
// the page before its text changes for a screen reader to say the change.
const ANNOUNCE_DELAY_MS = 100;
// How long a screen reader needs to take in that a dialog has closed before a
// focus it is then given is announced as a move (measured with Orca): the focus
// the browser gives back on closing passes unnoticed, and a screen reader left in
// its reading mode would take the next letters typed as its own commands.
const FOCUS_AFTER_DIALOG_MS = 300;

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
  dialog.querySelector(".message-box-said").textContent = "";
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
      if (dialog.open) {
        if (typeof dialog.close === "function") {
          dialog.close();
        } else {
          dialog.removeAttribute("open");
        }
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
    const row = dialog.querySelector(".message-box-buttons");
    for (const button of row.children) {
      button.addEventListener("click", () => answer(Number(button.dataset.answer)));
    }
    dialog.addEventListener("keydown", onKey);
    dialog.addEventListener("close", onClose);
    try {
      dialog.showModal();
    } catch {
      // No modal dialogs in this browser, or not now: the box shows in the page.
      dialog.setAttribute("open", "");
    }
    row.firstElementChild.focus();
    const said = dialog.querySelector(".message-box-said");
    setTimeout(() => {
      if (!answered) {
        said.textContent = dialog.querySelector(".caption").textContent + ". " +
          dialog.querySelector(".message-box-text").textContent;
      }
    }, ANNOUNCE_DELAY_MS);
  });
}

// Gives the keys back to where the player was, once the box has closed.
function keysBackTo(results) {
  const focus = results ? focusResults : focusAnswerField;
  focus();
  setTimeout(() => {
    if (!session.dialogOpen && !session.ended) {
      document.activeElement?.blur();
      focus();
    }
  }, FOCUS_AFTER_DIALOG_MS);
}

export async function showMessageBox(text, caption, style) {
  const box = shared.messageBox;
  session.dialogOpen = true;
  forgetHeldKeys();
  closeMenus();
  const buttons = (style & box.typeMask) === box.yesNoCancel
    ? [{ text: "Yes", mnemonic: "y", answer: box.yes },
      { text: "No", mnemonic: "n", answer: box.no },
      { text: "Cancel", answer: box.cancel }]
    : [{ text: "OK", answer: box.ok }];
  const closedAnswer = (buttons.find((button) => button.answer === box.cancel) ||
    buttons.find((button) => button.answer === box.no) || buttons[0]).answer;
  const dialog = document.getElementById("message-box");
  const fromResults = focusIsInResults();
  try {
    fill(dialog, caption, text, iconClass(style), buttons);
    return await ask(dialog, buttons, closedAnswer);
  } catch {
    return closedAnswer; // a box that cannot show must not hold the game for good
  } finally {
    session.dialogOpen = false;
    keysBackTo(fromResults);
  }
}

// A notice of the page's own, in the same look, while the game runs on.
export async function noticeBox(caption, text) {
  const dialog = document.getElementById("page-notice");
  const buttons = [{ text: "OK", answer: 0 }];
  fill(dialog, caption, text, "icon-information", buttons);
  const fromResults = focusIsInResults();
  await ask(dialog, buttons, 0);
  keysBackTo(fromResults);
}
