"""Where the browser gives the page no service worker (a private window, storage
blocked: reading navigator.serviceWorker throws), the game starts and runs as
before, and nothing the page does about offline play raises an error."""

from lorvan_browser import run_test  # first: it finds the end-to-end helpers

from lorvan_e2e import check, wait_until

# Run before the page's scripts: counts the page's asks and refuses them.
NO_SERVICE_WORKER = """
window.serviceWorkerAsked = 0;
Object.defineProperty(navigator, "serviceWorker", {
  configurable: true,
  get() {
    window.serviceWorkerAsked += 1;
    throw new DOMException("The browser keeps no service workers here.", "SecurityError");
  },
});
"""


def runs_without_service_worker(page):
    wait_until("the page to ask for a service worker",
               lambda: page.js("return document.readyState === 'complete' && "
                               "window.serviceWorkerAsked > 0"))
    page.wait_for_frames(10, "frames after the page was refused a service worker")
    page.type_text("Sam")
    page.wait_for_screen_text("the typed name", lambda texts: any("Sam" in t for t in texts))
    check(page.running(), "the game ended")


if __name__ == "__main__":
    run_test(runs_without_service_worker, before_load=NO_SERVICE_WORKER)
