// Offline play: registers the service worker that keeps the whole site cached.
// Where there are no service workers (a file:// page, a private window, a
// browser that blocks them) the game simply runs from the network.

let reloading = false;

function startCaching(workers) {
  // The first worker takes over a page loaded from the network, which already
  // matches itself. A later one brings a new release: this page was served from
  // the old one's cache, so it reloads once to run page and module of the same
  // release.
  const hadWorker = Boolean(workers.controller);
  workers.addEventListener("controllerchange", () => {
    if (hadWorker && !reloading) {
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

export function registerOfflineCache() {
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
    startCaching(workers);
  } else {
    window.addEventListener("load", () => startCaching(workers), { once: true });
  }
}
