// The numbers the page shares with the game - window messages, virtual keys, menu
// commands, message box styles and answers, the base client size - as the module
// hands them over at start-up (LorvanPage.start). The page never keeps a copy of
// its own; every other module reads them from here once the game has started.
export const shared = {};

export function takeSharedConstants(json) {
  Object.assign(shared, JSON.parse(json));
  Object.freeze(shared);
}
