// The menu bar, as a menubar's keys work: Left and Right between the titles,
// Down, Up, Home and End within a menu, Enter or Space to choose, Escape back to
// the menu's title, and the underlined letters (data-mnemonic) as in the exe's
// menus. Only one title is in the Tab order at a time. What each item does is
// registered by the module that owns it (onMenuItem). Closed, the menus give the
// keys back to the game (keys-home.js), or to the title the menu was opened
// from.
import { session, whenInputTaken } from "./game-session.js";
import { giveKeysToGame } from "./keys-home.js";

const bar = document.querySelector('[role="menubar"]');
const titles = Array.from(bar.querySelectorAll(".menu-title"));
const actions = new Map();
// Whether the open menu was opened from the game, by Alt and its letter: Escape
// then goes back to the game, as it goes back to the title of a menu opened there.
let openedFromGame = false;

export function onMenuItem(action, handler) {
  actions.set(action, handler);
}

function menuOf(title) {
  return document.getElementById(title.getAttribute("aria-controls"));
}

function itemsOf(menu) {
  return Array.from(menu.querySelectorAll('[role^="menuitem"]')).filter((item) => !item.hidden);
}

function openTitle() {
  return titles.find((title) => title.getAttribute("aria-expanded") === "true");
}

// Makes this title the one Tab reaches.
function rove(title) {
  for (const other of titles) {
    other.tabIndex = other === title ? 0 : -1;
  }
}

export function closeMenus() {
  for (const title of titles) {
    title.setAttribute("aria-expanded", "false");
    menuOf(title).hidden = true;
  }
}

// Keeps an open menu inside the screen, however narrow.
function keepInView(menu) {
  menu.style.removeProperty("translate");
  const overflow = menu.getBoundingClientRect().right - document.documentElement.clientWidth;
  if (overflow > 0) {
    menu.style.setProperty("translate", -overflow + "px 0");
  }
}

function open(title, focusItem) {
  closeMenus();
  rove(title);
  const menu = menuOf(title);
  menu.hidden = false;
  title.setAttribute("aria-expanded", "true");
  keepInView(menu);
  const items = itemsOf(menu);
  if (focusItem === "first") {
    items[0].focus();
  } else if (focusItem === "last") {
    items[items.length - 1].focus();
  } else {
    title.focus();
  }
}

// Alt and a menu's underlined letter open that menu, from anywhere but a box,
// as they open the exe's. The key is the page's then, not the game's.
function onMnemonic(event) {
  if (!event.altKey || event.ctrlKey || event.metaKey || !event.code.startsWith("Key") ||
      session.dialogOpen || session.ended || event.target.closest("dialog")) {
    return;
  }
  const letter = event.code.slice(3).toLowerCase();
  const title = titles.find((candidate) => candidate.dataset.mnemonic === letter);
  if (title) {
    openedFromGame = !bar.contains(document.activeElement);
    open(title, "first");
    event.preventDefault();
  }
}

function backToGame() {
  closeMenus();
  giveKeysToGame();
}

// The keys go back to the game once it has taken the choice and the choice has
// done its work (Share's notice answered); a choice that opened a message box
// leaves them to the box, which gives them back as it closes: a focus given just
// before a box opens reaches a screen reader after the box (Orca in Firefox said
// the answer field over the About box, as if the box had gone). Meanwhile the
// menu's title has the focus: Orca in Chromium says nothing of a box whose focus
// came from a menu item that was hidden.
async function choose(item) {
  const title = openTitle();
  closeMenus();
  title?.focus();
  const handler = actions.get(item.dataset.action);
  if (handler) {
    await handler(item);
  }
  // Unless the player has gone on from the title meanwhile (to another menu).
  whenInputTaken(() => {
    if (document.activeElement === title || document.activeElement === document.body) {
      giveKeysToGame();
    }
  });
}

function neighbour(list, current, step) {
  const at = list.indexOf(current);
  return list[(at + step + list.length) % list.length];
}

function onTitleKey(title, event) {
  switch (event.key) {
    case "ArrowRight":
    case "ArrowLeft": {
      const next = neighbour(titles, title, event.key === "ArrowRight" ? 1 : -1);
      rove(next);
      next.focus();
      return true;
    }
    case "Home":
    case "End": {
      const next = titles[event.key === "Home" ? 0 : titles.length - 1];
      rove(next);
      next.focus();
      return true;
    }
    case "ArrowDown":
    case "Enter":
    case " ":
      openedFromGame = false;
      open(title, "first");
      return true;
    case "ArrowUp":
      openedFromGame = false;
      open(title, "last");
      return true;
    case "Escape":
      backToGame();
      return true;
    default: {
      const named = titles.find((candidate) => candidate.dataset.mnemonic === event.key.toLowerCase());
      if (named) {
        openedFromGame = false;
        open(named, "first");
        return true;
      }
      return false;
    }
  }
}

function onItemKey(item, event) {
  const title = openTitle();
  const items = itemsOf(menuOf(title));
  switch (event.key) {
    case "ArrowDown":
    case "ArrowUp":
      neighbour(items, item, event.key === "ArrowDown" ? 1 : -1).focus();
      return true;
    case "Home":
      items[0].focus();
      return true;
    case "End":
      items[items.length - 1].focus();
      return true;
    case "ArrowRight":
    case "ArrowLeft":
      open(neighbour(titles, title, event.key === "ArrowRight" ? 1 : -1), "first");
      return true;
    case "Escape":
      if (openedFromGame) {
        backToGame();
      } else {
        closeMenus();
        title.focus();
      }
      return true;
    case "Enter":
    case " ":
      choose(item);
      return true;
    case "Tab":
      closeMenus();
      return false; // the focus moves on as Tab moves it
    default: {
      const named = items.find((candidate) => candidate.dataset.mnemonic === event.key.toLowerCase());
      if (named) {
        choose(named);
        return true;
      }
      return false;
    }
  }
}

export function startMenus() {
  rove(titles[0]);
  for (const title of titles) {
    title.addEventListener("click", () => {
      if (title.getAttribute("aria-expanded") === "true") {
        backToGame();
      } else {
        openedFromGame = false;
        open(title, null);
      }
    });
    // Moving over the titles while a menu is open opens theirs, as in the exe.
    title.addEventListener("pointerenter", () => {
      const current = openTitle();
      if (current && current !== title) {
        open(title, null);
      }
    });
  }
  for (const item of bar.querySelectorAll('[role="menu"] [role^="menuitem"]')) {
    item.addEventListener("click", () => choose(item));
  }
  document.addEventListener("keydown", onMnemonic, true); // before the game's keys
  bar.addEventListener("keydown", (event) => {
    if (event.altKey || event.ctrlKey || event.metaKey) {
      return;
    }
    const target = event.target.closest('[role^="menuitem"]');
    if (!target) {
      return;
    }
    const handled = titles.includes(target) ? onTitleKey(target, event) : onItemKey(target, event);
    if (handled) {
      event.preventDefault();
      event.stopPropagation();
    }
  });
  document.addEventListener("pointerdown", (event) => {
    if (!event.target.closest(".menu")) {
      closeMenus();
    }
  });
}
