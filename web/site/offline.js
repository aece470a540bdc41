// Replaced by the site's offline cache; until then the page plays online only.
export function registerOfflineCache() {}
