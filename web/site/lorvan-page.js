// The page around the game: it sets up the module (Module) and what the module
// calls on the page (LorvanPage) before lorvan.js runs. Everything the game
// decides stays in the WebAssembly module; the page's modules only translate
// between the browser and the game's window messages, one job each.
import { answerFieldName, followGameAnswer, setAnswerField,
  startAnswerField } from "./answer-field.js";
import { shared, takeSharedConstants } from "./constants.js";
import { download } from "./downloads.js";
import { post, postKeyStroke, session } from "./game-session.js";
import { listenToKeys } from "./keyboard.js";
import { giveKeysToGame, startKeysHome } from "./keys-home.js";
import { closeMenus, onMenuItem, startMenus } from "./menus.js";
import { showMessageBox } from "./message-box.js";
import { registerOfflineCache } from "./offline.js";
import { frameStats, present as presentFrame } from "./presenter.js";
import { resultsSection, showResults } from "./results-list.js";
import { addElement, showElements, startElements } from "./screen-elements.js";
import { sayTexts } from "./screen-reader.js";
import { setShareableResults, startShare } from "./share.js";
import { startStillBackground } from "./still-background.js";
import { startWindowSize } from "./window-size.js";

const canvas = document.getElementById("game");
const answerField = document.getElementById("answer");
const endedNotice = document.getElementById("ended");
// Whether the first frame has been presented, and till then whether the first
// screen's elements wait for it (see present).
let started = false;
let firstElementsWaiting = false;

function showEnded(paragraphs) {
  session.ended = true;
  closeMenus();
  canvas.hidden = true;
  answerField.hidden = true;
  showResults("", []);
  if (paragraphs) {
    endedNotice.replaceChildren(...paragraphs.map((text) => {
      const paragraph = document.createElement("p");
      paragraph.textContent = text;
      return paragraph;
    }));
  }
  endedNotice.hidden = false;
  sayTexts(Array.from(endedNotice.children, (paragraph) => paragraph.textContent));
}

// The menu items the game's own keys and commands stand behind.
onMenuItem("save", () => postKeyStroke(shared.key.f1));
onMenuItem("quit", () => postKeyStroke(shared.key.escape, shared.key.escape));
onMenuItem("exit", () => post(shared.message.command, shared.command.exit));
onMenuItem("about", () => post(shared.message.command, shared.command.about));

globalThis.LorvanPage = {
  // The first call of the module, with the numbers the page shares with it.
  start(constantsJson) {
    takeSharedConstants(constantsJson);
    startWindowSize();
    startStillBackground();
  },
  present(pixels, width, height) {
    presentFrame(pixels, width, height);
    followGameAnswer();
    if (!started) {
      // The first screen: the answer field has had the keys and the question's
      // name since the page loaded (index.html), so a screen reader has said the
      // question; the live region says the rest of the screen. The keys go to
      // the game unless the player has taken them to a control meanwhile.
      started = true;
      if (!document.activeElement || document.activeElement === document.body) {
        giveKeysToGame();
      }
      if (firstElementsWaiting) {
        showElements(document.activeElement === answerField ? answerFieldName() : null);
      }
    }
  },
  download,
  startElements,
  addElement,
  endElements() {
    if (started) {
      showElements(null);
    } else {
      firstElementsWaiting = true;
    }
  },
  setShareableResults,
  setAnswerField,
  setTitle(title) {
    document.title = title;
    document.getElementById("caption-title").textContent = title;
  },
  showMessageBox,
  gameEnded() {
    showEnded(null);
  },
  get framesPresented() {
    return frameStats.presented;
  },
  get firstFrameAt() {
    return frameStats.firstAt;
  },
};

globalThis.Module = {
  // No frame is drawn while a message box is open, as on Windows, where the
  // loop stands still inside the call that opened it.
  preMainLoop: () => !session.dialogOpen,
  // A browser without WebAssembly, or a module that could not be fetched.
  onAbort: () => {
    showEnded(["Lorvan could not start in this browser. Reload the page, or open it " +
      "in a current browser."]);
  },
  onRuntimeInitialized: () => {
    session.ready = true;
  },
};

listenToKeys([answerField, resultsSection()]);
startKeysHome();
startAnswerField();
startMenus();
startShare();
registerOfflineCache(() => !session.played);
