// Keeps the whole site in a cache of its own release, so the game starts and
// plays with no network. The build (web/lay_out_site.cmake) writes the release,
// a hash of the site's content, and the site's files, as the page asks for them.
const RELEASE = "@LORVAN_RELEASE@";
const SITE_FILES = ["@LORVAN_SITE_FILES@"];

const CACHE_PREFIX = "lorvan-";
const CACHE = CACHE_PREFIX + RELEASE;

self.addEventListener("install", (event) => {
  event.waitUntil((async () => {
    const cache = await caches.open(CACHE);
    // Past the browser's own cache: an unversioned file kept there may belong to
    // an older release.
    await cache.addAll(SITE_FILES.map((file) => new Request(file, { cache: "reload" })));
    await self.skipWaiting();
  })());
});

self.addEventListener("activate", (event) => {
  event.waitUntil((async () => {
    const names = await caches.keys();
    await Promise.all(names.filter((name) => name.startsWith(CACHE_PREFIX) && name !== CACHE)
      .map((name) => caches.delete(name)));
    await self.clients.claim();
  })());
});

self.addEventListener("fetch", (event) => {
  const request = event.request;
  if (request.method !== "GET" || new URL(request.url).origin !== self.location.origin) {
    return;
  }
  event.respondWith((async () => {
    const cache = await caches.open(CACHE);
    // A page address with a query of its own is still the page.
    const cached = await cache.match(request, { ignoreSearch: request.mode === "navigate" });
    return cached || fetch(request);
  })());
});
