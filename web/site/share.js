// "Share results…" in the File menu, while the results screen shows: the results
// and the page's address go to the system's share sheet where the browser has
// one, or else to the clipboard, and a notice says so.
import { onMenuItem } from "./menus.js";
import { noticeBox } from "./message-box.js";

const item = document.querySelector('[data-action="share"]');
let results = "";

export function setShareableResults(text) {
  results = text;
  item.hidden = text === "";
}

async function copyToClipboard(text) {
  try {
    await navigator.clipboard.writeText(text);
    return true;
  } catch {
    return false;
  }
}

async function share() {
  const data = { title: document.title, text: results, url: location.href };
  if (typeof navigator.share === "function" && (!navigator.canShare || navigator.canShare(data))) {
    try {
      await navigator.share(data);
      return;
    } catch (error) {
      if (error.name === "AbortError") {
        return; // the player closed the share sheet
      }
    }
  }
  const copied = await copyToClipboard(results + "\n\n" + location.href + "\n");
  await noticeBox("Share results", copied
    ? "Your results and the address of this page were copied to the clipboard. " +
      "Paste them into a message to your friends."
    : "Your results could not be copied to the clipboard. Save them with " +
      "File > Save results instead.");
}

export function startShare() {
  item.hidden = true;
  onMenuItem("share", share);
}
