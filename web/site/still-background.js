// "Still background" in the View menu: holds the moving background's animation
// where it stands, for players who want the screen still. On by default where
// the system asks for reduced motion.
import { onMenuItem } from "./menus.js";

const item = document.querySelector('[data-action="still-background"]');

function hold(still) {
  item.setAttribute("aria-checked", String(still));
  globalThis.Module._LorvanHoldBackground(still ? 1 : 0);
}

export function startStillBackground() {
  hold(window.matchMedia("(prefers-reduced-motion: reduce)").matches);
  onMenuItem("still-background", () => hold(item.getAttribute("aria-checked") !== "true"));
}
