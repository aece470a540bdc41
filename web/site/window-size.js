// The size of the page's window and of the canvas in it. The window starts with
// the exe's client area in CSS pixels; a screen smaller than that (a phone's)
// gets the largest window of the same proportions that the visible part of the
// page holds, above an on-screen keyboard too. The canvas has a pixel for every
// device pixel, and the game lays its screens out for that size.
import { shared } from "./constants.js";
import { session } from "./game-session.js";
import { setCanvasPixelWidth } from "./answer-field.js";
import { giveKeysToGame } from "./keys-home.js";

const root = document.documentElement;
const gameWindow = document.getElementById("window");
const chrome = [gameWindow.querySelector(".caption"), gameWindow.querySelector(".menu-bar")];
const canvas = document.getElementById("game");
const fillButton = document.getElementById("fill-button");
let devicePixels = null;

function setPixels(name, value) {
  root.style.setProperty(name, value + "px");
}

// The visible part of the page: what the browser shows of it, less an on-screen
// keyboard. When the page is pinch-zoomed the window keeps the page's size.
function followViewport() {
  const view = window.visualViewport;
  const zoom = view ? view.scale || 1 : 1;
  const zoomed = Math.abs(zoom - 1) > 0.01;
  setPixels("--viewport-width", view ? view.width * zoom : root.clientWidth);
  setPixels("--viewport-height", view ? view.height * zoom : window.innerHeight);
  setPixels("--viewport-left", view && !zoomed ? view.offsetLeft : 0);
  setPixels("--viewport-top", view && !zoomed ? view.offsetTop : 0);
  // The caption and the menu bar, above the client area.
  setPixels("--window-chrome-height", chrome.reduce((sum, part) => sum + part.getBoundingClientRect().height, 0));
}

// Tells the game the canvas's size in device pixels.
function fitCanvas() {
  const ratio = window.devicePixelRatio || 1;
  const width = devicePixels ? devicePixels[0] : Math.round(canvas.clientWidth * ratio);
  const height = devicePixels ? devicePixels[1] : Math.round(canvas.clientHeight * ratio);
  if (session.ready) {
    globalThis.Module._LorvanResize(width, height);
  }
  setCanvasPixelWidth(width);
}

export function startWindowSize() {
  const { width, height } = shared.baseClient;
  root.style.setProperty("--base-client-width", String(width));
  root.style.setProperty("--base-client-height", String(height));
  followViewport();
  fitCanvas();

  if (window.visualViewport) {
    window.visualViewport.addEventListener("resize", followViewport);
    window.visualViewport.addEventListener("scroll", followViewport);
  }
  window.addEventListener("resize", () => {
    followViewport();
    fitCanvas(); // also when the pixel ratio changes
  });
  new ResizeObserver((entries) => {
    const entry = entries[entries.length - 1];
    const size = entry.devicePixelContentBoxSize && entry.devicePixelContentBoxSize[0];
    // The exact device pixels, where the browser knows them; an emulated pixel
    // ratio (a phone's, in developer tools) is not always in them.
    const ratio = window.devicePixelRatio || 1;
    const trusted = size && Math.abs(size.inlineSize - entry.contentRect.width * ratio) <= ratio;
    devicePixels = trusted ? [size.inlineSize, size.blockSize] : null;
    fitCanvas();
  }).observe(canvas);
  const chromeObserver = new ResizeObserver(followViewport);
  chrome.forEach((part) => chromeObserver.observe(part));

  fillButton.addEventListener("click", () => {
    const filling = gameWindow.classList.toggle("filling");
    fillButton.setAttribute("aria-pressed", String(filling));
    fillButton.title = filling ? "Back to the window's size" : "Fill the browser window";
    giveKeysToGame();
  });
}
