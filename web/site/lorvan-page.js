"use strict";
// The page around the game: the window's caption and menus, the keys, the canvas
// the frames are presented on, the message boxes, the downloads and the text for
// screen readers. Loaded before lorvan.js, which calls into LorvanPage and reads
// Module from here. Everything the game decides stays in the WebAssembly module:
// this file only translates between the browser and the game's window messages.
(function () {
  // Window messages, virtual-key codes, menu commands and message box values as
  // Win32 numbers them; the module's pump takes them as they are.
  const WM_KEYDOWN = 0x0100;
  const WM_KEYUP = 0x0101;
  const WM_CHAR = 0x0102;
  const WM_COMMAND = 0x0111;
  const VK_BACK = 0x08;
  const VK_RETURN = 0x0D;
  const VK_ESCAPE = 0x1B;
  const VK_F1 = 0x70;
  const MB_TYPE_MASK = 0x0F;
  const MB_YESNOCANCEL = 0x03;
  const MB_ICONERROR = 0x10;
  const MB_ICONQUESTION = 0x20;
  const MB_ICONINFORMATION = 0x40;
  const IDOK = 1;
  const IDCANCEL = 2;
  const IDYES = 6;
  const IDNO = 7;

  // The characters Windows makes of these keys; the game's screens decide what
  // to do with them (Escape's is dropped there).
  const CONTROL_CHARACTERS = { Backspace: 8, Enter: 13, Escape: 27 };
  // Keys whose browser meaning must never happen while the game has the keyboard:
  // F5 would reload the page, F1 open the browser's help, Backspace go back.
  const GAME_KEYS = new Set(["Escape", "F1", "F5", "F6", "Backspace", "Enter"]);
  const SCREEN_TEXT_SEPARATOR = "\x1F";

  const canvas = document.getElementById("game");
  const gameWindow = document.getElementById("window");
  const touchKeys = document.getElementById("touch-keys");
  const screenText = document.getElementById("screen-text");
  const dialog = document.getElementById("message-box");
  const context = canvas.getContext("2d", { alpha: false });

  let moduleReady = false;
  let dialogOpen = false;
  let ended = false;
  let image = null;
  const heldKeys = new Set();

  const page = {
    framesPresented: 0,
    firstFrameAt: null, // milliseconds from the start of the page load to the first frame
  };
  window.LorvanPage = page;

  // -- Messages to the game --------------------------------------------------

  function post(message, wParam) {
    if (moduleReady && !ended && !dialogOpen) {
      Module._LorvanPost(message, wParam);
    }
  }

  // A key pressed and released at once, as the page's own menu items give them.
  function postKeyStroke(virtualKey, character) {
    post(WM_KEYDOWN, virtualKey);
    if (character !== undefined) {
      post(WM_CHAR, character);
    }
    post(WM_KEYUP, virtualKey);
  }

  function typedCharacter(event) {
    if (event.key in CONTROL_CHARACTERS) {
      return CONTROL_CHARACTERS[event.key];
    }
    if (event.key.length === 1) {
      // The game takes only ' ' to '~'; it drops anything else, as on Windows.
      const code = event.key.charCodeAt(0);
      return code < 256 ? code : -1;
    }
    return -1;
  }

  function onKeyDown(event) {
    if (dialogOpen || ended) {
      return;
    }
    // An on-screen keyboard reports its keys as code 229; its text arrives as input.
    if (event.isComposing || event.keyCode === 229 || event.key === "Unidentified") {
      return;
    }
    // Tab leaves the game for the menu bar, as keyboard users expect of a page;
    // the game drops the Tab character anyway.
    if (event.key === "Tab") {
      return;
    }
    if (event.altKey && !event.ctrlKey && (event.code === "KeyF" || event.code === "KeyH")) {
      event.preventDefault();
      openMenu(event.code === "KeyF" ? "file-menu" : "help-menu", true);
      return;
    }
    // The browser's key codes are the Windows virtual-key codes for every key the
    // game looks at (Escape, F1, F5, F6, Ctrl, Alt).
    const virtualKey = event.keyCode & 0xFF;
    heldKeys.add(virtualKey);
    post(WM_KEYDOWN, virtualKey);
    // The Windows key types nothing on Windows; its Mac counterpart, Cmd, is the
    // browser's shortcut key there.
    const character = event.metaKey ? -1 : typedCharacter(event);
    if (character >= 0) {
      post(WM_CHAR, character);
    }
    const browserShortcut = event.ctrlKey || event.metaKey;
    if (GAME_KEYS.has(event.key) || (character >= 0 && !browserShortcut)) {
      event.preventDefault();
    }
  }

  function onKeyUp(event) {
    const virtualKey = event.keyCode & 0xFF;
    if (heldKeys.delete(virtualKey)) {
      post(WM_KEYUP, virtualKey);
    }
  }

  // A key still held when the game loses the keyboard would stay down for ever.
  function releaseHeldKeys() {
    for (const virtualKey of heldKeys) {
      post(WM_KEYUP, virtualKey);
    }
    heldKeys.clear();
  }

  // On-screen keyboards send text, not keys. The field keeps one space so that
  // Backspace always has something to delete and so reports itself.
  const TOUCH_SENTINEL = " ";
  function onTouchInput(event) {
    if (event.inputType === "deleteContentBackward") {
      postKeyStroke(VK_BACK, 8);
    } else if (event.inputType === "insertLineBreak" || event.inputType === "insertParagraph") {
      postKeyStroke(VK_RETURN, 13);
    } else if (event.data) {
      for (const character of event.data) {
        const code = character.charCodeAt(0);
        if (code < 256) {
          post(WM_CHAR, code);
        }
      }
    }
    touchKeys.value = TOUCH_SENTINEL;
  }

  for (const target of [canvas, touchKeys]) {
    target.addEventListener("keydown", onKeyDown);
    target.addEventListener("keyup", onKeyUp);
    target.addEventListener("blur", releaseHeldKeys);
  }
  touchKeys.addEventListener("input", onTouchInput);
  // Wherever the keyboard is on the page, F1, F5 and F6 belong to the game: the
  // browser must not reload the page or open its help under a running game.
  document.addEventListener("keydown", (event) => {
    if (event.key === "F1" || event.key === "F5" || event.key === "F6") {
      event.preventDefault();
    }
  });
  touchKeys.value = TOUCH_SENTINEL;

  // A tap brings up the on-screen keyboard; a click gives the canvas the keys.
  canvas.addEventListener("pointerdown", (event) => {
    event.preventDefault();
    if (event.pointerType === "touch" || event.pointerType === "pen") {
      touchKeys.value = TOUCH_SENTINEL;
      touchKeys.focus();
    } else {
      canvas.focus();
    }
  });

  // -- Menus ------------------------------------------------------------------

  function closeMenus() {
    for (const title of document.querySelectorAll(".menu-title")) {
      title.setAttribute("aria-expanded", "false");
      document.getElementById(title.dataset.menu).hidden = true;
    }
  }

  function openMenu(id, focusFirstItem) {
    closeMenus();
    const items = document.getElementById(id);
    items.hidden = false;
    document.querySelector('[data-menu="' + id + '"]').setAttribute("aria-expanded", "true");
    if (focusFirstItem) {
      items.querySelector("button").focus();
    }
  }

  for (const title of document.querySelectorAll(".menu-title")) {
    title.addEventListener("click", () => {
      const open = title.getAttribute("aria-expanded") === "true";
      if (open) {
        closeMenus();
      } else {
        openMenu(title.dataset.menu, false);
      }
    });
  }

  function chooseMenuItem(item) {
    closeMenus();
    canvas.focus();
    if (item.dataset.command) {
      post(WM_COMMAND, Number(item.dataset.command));
    } else if (item.dataset.key === "save") {
      postKeyStroke(VK_F1);
    } else if (item.dataset.key === "quit") {
      postKeyStroke(VK_ESCAPE, 27);
    }
  }

  for (const item of document.querySelectorAll('[role="menuitem"]')) {
    item.addEventListener("click", () => chooseMenuItem(item));
  }

  document.addEventListener("pointerdown", (event) => {
    if (!event.target.closest(".menu")) {
      closeMenus();
    }
  });
  document.querySelector(".menu-bar").addEventListener("keydown", (event) => {
    if (event.key === "Escape") {
      closeMenus();
      canvas.focus();
      event.preventDefault();
    } else if (event.key === "x" || event.key === "a") {
      // The items' mnemonics, as in the exe's menus.
      const item = document.querySelector(
        '.menu-items:not([hidden]) [data-command="' + (event.key === "x" ? 9001 : 9002) + '"]');
      if (item) {
        event.preventDefault();
        chooseMenuItem(item);
      }
    }
  });

  // -- The canvas's size --------------------------------------------------------

  // The backing store has a pixel for every device pixel, so the game is sharp on
  // dense displays; the game lays its screens out in CSS pixels (web_main.cpp).
  let devicePixels = null;
  function fitCanvas() {
    const ratio = window.devicePixelRatio || 1;
    const width = devicePixels ? devicePixels[0] : Math.round(canvas.clientWidth * ratio);
    const height = devicePixels ? devicePixels[1] : Math.round(canvas.clientHeight * ratio);
    if (moduleReady) {
      Module._LorvanResize(width, height);
    }
  }

  new ResizeObserver((entries) => {
    const entry = entries[entries.length - 1];
    const size = entry.devicePixelContentBoxSize && entry.devicePixelContentBoxSize[0];
    devicePixels = size ? [size.inlineSize, size.blockSize] : null;
    fitCanvas();
  }).observe(canvas);
  window.addEventListener("resize", fitCanvas); // also when the pixel ratio changes

  const fillButton = document.getElementById("fill-button");
  fillButton.addEventListener("click", () => {
    const filling = gameWindow.classList.toggle("filling");
    fillButton.setAttribute("aria-pressed", String(filling));
    fillButton.title = filling ? "Back to the window's size" : "Fill the browser window";
    canvas.focus();
  });

  // -- What the module asks of the page -------------------------------------------

  page.present = function (pixels, width, height) {
    if (canvas.width !== width || canvas.height !== height) {
      canvas.width = width;
      canvas.height = height;
    }
    if (!image || image.width !== width || image.height !== height) {
      image = context.createImageData(width, height);
    }
    image.data.set(pixels);
    context.putImageData(image, 0, 0);
    page.framesPresented += 1;
    if (page.firstFrameAt === null) {
      page.firstFrameAt = performance.now();
    }
  };

  page.setTitle = function (title) {
    document.title = title;
    document.getElementById("caption-title").textContent = title;
  };

  // One paragraph a text; only the paragraphs whose text changed are touched, so
  // a screen reader reads out what changed (the answer being typed) and not the
  // whole screen again.
  page.setScreenText = function (joined) {
    const texts = joined === "" ? [] : joined.split(SCREEN_TEXT_SEPARATOR);
    while (screenText.children.length > texts.length) {
      screenText.lastElementChild.remove();
    }
    texts.forEach((text, i) => {
      let paragraph = screenText.children[i];
      if (!paragraph) {
        paragraph = document.createElement("p");
        screenText.append(paragraph);
      }
      if (paragraph.textContent !== text) {
        paragraph.textContent = text;
      }
    });
  };

  page.download = function (fileName, bytes) {
    const url = URL.createObjectURL(new Blob([bytes], { type: "text/plain" }));
    const link = document.createElement("a");
    link.href = url;
    link.download = fileName;
    document.body.append(link);
    link.click();
    link.remove();
    // The browser has taken the bytes once the download started.
    setTimeout(() => URL.revokeObjectURL(url), 60000);
  };

  // The game's message box: caption, text and the same buttons, modal. Y, N,
  // Enter and Escape answer it as they answer the box on Windows.
  page.showMessageBox = function (text, caption, style) {
    return new Promise((resolve) => {
      dialogOpen = true;
      releaseHeldKeys();
      closeMenus();
      const yesNoCancel = (style & MB_TYPE_MASK) === MB_YESNOCANCEL;
      const buttons = yesNoCancel
        ? [["<u>Y</u>es", IDYES], ["<u>N</u>o", IDNO], ["Cancel", IDCANCEL]]
        : [["OK", IDOK]];
      const escapeAnswer = yesNoCancel ? IDCANCEL : IDOK;
      document.getElementById("message-box-caption").textContent = caption;
      document.getElementById("message-box-text").textContent = text;
      const icon = document.getElementById("message-box-icon");
      icon.className = "message-box-icon";
      if (style & MB_ICONERROR) {
        icon.classList.add("icon-error");
      } else if (style & MB_ICONQUESTION) {
        icon.classList.add("icon-question");
      } else if (style & MB_ICONINFORMATION) {
        icon.classList.add("icon-information");
      }

      const row = document.getElementById("message-box-buttons");
      row.replaceChildren();
      function answer(value) {
        dialog.onkeydown = null;
        dialog.oncancel = null;
        dialog.close();
        dialogOpen = false;
        canvas.focus();
        resolve(value);
      }
      for (const [label, value] of buttons) {
        const button = document.createElement("button");
        button.type = "button";
        button.innerHTML = label;
        button.dataset.answer = String(value);
        button.addEventListener("click", () => answer(value));
        row.append(button);
      }
      dialog.onkeydown = (event) => {
        const key = event.key.toLowerCase();
        let value = null;
        if (yesNoCancel && key === "y") {
          value = IDYES;
        } else if (yesNoCancel && key === "n") {
          value = IDNO;
        } else if (event.key === "Escape") {
          value = escapeAnswer;
        } else if (event.key === "Enter") {
          const focused = document.activeElement;
          value = focused && focused.dataset.answer ? Number(focused.dataset.answer) : buttons[0][1];
        }
        if (GAME_KEYS.has(event.key) || value !== null) {
          event.preventDefault(); // F5 must not reload the page behind the box either
          event.stopPropagation();
        }
        if (value !== null) {
          answer(value);
        }
      };
      dialog.oncancel = (event) => {
        event.preventDefault();
      };
      dialog.showModal();
      row.firstElementChild.focus();
    });
  };

  page.gameEnded = function () {
    ended = true;
    closeMenus();
    canvas.hidden = true;
    const notice = document.getElementById("ended");
    notice.hidden = false;
    page.setScreenText(Array.from(notice.children, (p) => p.textContent).join(SCREEN_TEXT_SEPARATOR));
  };

  // -- The module -------------------------------------------------------------------

  window.Module = {
    // No frame is drawn while a message box is open, as on Windows, where the
    // loop stands still inside the call that opened it.
    preMainLoop: () => !dialogOpen,
    // A browser without WebAssembly, or a module that could not be fetched.
    onAbort: () => {
      ended = true;
      canvas.hidden = true;
      const notice = document.getElementById("ended");
      notice.replaceChildren(Object.assign(document.createElement("p"), {
        textContent: "Lorvan could not start in this browser. Reload the page, or open it " +
          "in a current browser.",
      }));
      notice.hidden = false;
    },
    onRuntimeInitialized: () => {
      moduleReady = true;
      fitCanvas();
      canvas.focus();
    },
  };
})();

// Offline play: the site's service worker (offline.js).
import("./offline.js").then((offline) => offline.registerOfflineCache(), () => {});
