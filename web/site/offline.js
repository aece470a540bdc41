// Offline play: registers the service worker that keeps the whole site cached.
// Where there are no service workers (a file:// page, a private window, a
// browser that blocks them) the game simply runs from the network.

let reloading = false;

function startCaching(workers, mayReload) {
  // The first worker takes over a page loaded from the network, which already
  // matches itself. A later one brings a new release: this page was served from
  // the old one's cache, so it reloads once to run the new release at once - but
  // never under a game the player has begun. That page has every file of its own
  // release already, and the new one starts at the next visit.
  const hadWorker = Boolean(workers.controller);
  workers.addEventListener("controllerchange", () => {
    if (hadWorker && !reloading && mayReload()) {
      reloading = true;
      location.reload();
    }
  });
  // The worker's own script past the browser's cache, so a new release is seen.
  try {
    workers.register("service-worker.js", { updateViaCache: "none" }).catch(() => {});
  } catch {
    // No worker, no offline play: the game runs on as it is.
  }
}

// mayReload() tells whether the page may reload itself for a new release now.
export function registerOfflineCache(mayReload) {
  let workers;
  try {
    workers = navigator.serviceWorker; // reading it throws where storage is blocked
  } catch {
    return;
  }
  if (!workers) {
    return;
  }
  // After the load, so the precaching never competes with the game's own start.
  if (document.readyState === "complete") {
    startCaching(workers, mayReload);
  } else {
    window.addEventListener("load", () => startCaching(workers, mayReload), { once: true });
  }
}
