// Drives Firefox ESR for the browser tests: puppeteer-core speaks WebDriver BiDi
// to Debian's firefox-esr (Debian has no geckodriver, so Selenium cannot). The
// Python side (tests/harness/engines.py) writes one JSON request a line on stdin,
// {"id", "op", ...}, and reads one JSON answer a line on stdout, {"id", "value"}
// or {"id", "error"}.
import { createInterface } from "node:readline";
import puppeteer from "puppeteer-core";

let browser = null;
let page = null;

// Keys in the tests' own names, as puppeteer names them; characters stay as they are.
const KEY_NAMES = {
  Return: "Enter", BackSpace: "Backspace", Escape: "Escape", Tab: "Tab",
  Control: "Control", Alt: "Alt", F1: "F1", F5: "F5", F6: "F6",
};

const operations = {
  async launch({ executable, width, height, scale, downloads }) {
    browser = await puppeteer.launch({
      browser: "firefox",
      executablePath: executable,
      headless: true,
      defaultViewport: null,
      downloadBehavior: { policy: "allow", downloadPath: downloads },
      extraPrefsFirefox: {
        // Each save lands in the folder at once, never behind a question.
        "browser.download.dir": downloads,
        "browser.download.folderList": 2,
        "browser.download.useDownloadDir": true,
        "browser.download.always_ask_before_handling_new_types": false,
        "browser.helperApps.neverAsk.saveToDisk": "text/plain",
        // The display's own density: the protocol's emulated one leaves the
        // canvas's device-pixel size (ResizeObserver) at one pixel per CSS pixel.
        "layout.css.devPixelsPerPx": String(scale),
      },
    });
    [page] = await browser.pages();
    // The viewport in CSS pixels (the first tab takes no default viewport).
    await page.setViewport({ width, height });
    return null;
  },
  async open({ url }) {
    await page.goto(url, { waitUntil: "load" });
    return null;
  },
  // The script is a function body with `arguments`, as Selenium runs scripts. It
  // is made into a function here, in the harness, not in the page: the page's
  // policy forbids eval.
  async run({ script, args }) {
    const call = "(async function () {\n" + script + "\n}).apply(null, " + JSON.stringify(args) + ")";
    const value = await page.evaluate(call);
    return value === undefined ? null : value;
  },
  async keys({ steps }) {
    for (const [action, key] of steps) {
      const name = KEY_NAMES[key] || key;
      if (action === "pause") {
        await new Promise((resolve) => setTimeout(resolve, key * 1000));
      } else if (action === "down") {
        await page.keyboard.down(name);
      } else if (action === "up") {
        await page.keyboard.up(name);
      } else {
        await page.keyboard.press(name);
      }
    }
    return null;
  },
  async click({ x, y }) {
    await page.mouse.click(x, y);
    return null;
  },
  async tap({ x, y }) {
    await page.touchscreen.tap(x, y);
    return null;
  },
  async screenshot() {
    return await page.screenshot({ encoding: "base64" });
  },
  async pages() {
    return (await browser.pages()).length;
  },
  async quit() {
    const closing = browser;
    browser = null;
    if (closing) {
      await closing.close();
    }
    return null;
  },
};

const lines = createInterface({ input: process.stdin });
lines.on("line", async (line) => {
  const request = JSON.parse(line);
  let answer;
  try {
    answer = { id: request.id, value: await operations[request.op](request) };
  } catch (error) {
    answer = { id: request.id, error: String(error && error.stack ? error.stack : error) };
  }
  process.stdout.write(JSON.stringify(answer) + "\n");
});
// The harness gone, the browser goes with it.
lines.on("close", async () => {
  await operations.quit().catch(() => {});
  process.exit(0);
});
