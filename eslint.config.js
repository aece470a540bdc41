// ESLint's recommended rules for the page's scripts and the browser tests' hooks
// (both run in the browser) and for the tests' Firefox bridge and this file (Node).
// CommonJS, so that Node needs no "type" in package.json to load it.
const js = require("@eslint/js");
const globals = require("globals");

module.exports = [
  { ignores: ["build/**", "node_modules/**", "dist/**"] },
  js.configs.recommended,
  {
    // The page's ES modules; the module's own lorvan.js is built, not linted.
    files: ["web/site/**/*.js"],
    languageOptions: {
      sourceType: "module",
      globals: { ...globals.browser, Module: "writable", LorvanPage: "writable" },
    },
  },
  {
    files: ["web/site/service-worker.js"],
    languageOptions: { globals: { ...globals.serviceworker } },
  },
  {
    files: ["tests/browser/**/*.js"],
    languageOptions: { sourceType: "script", globals: { ...globals.browser } },
  },
  {
    files: ["**/*.mjs"],
    languageOptions: { sourceType: "module", globals: { ...globals.node } },
  },
  {
    files: ["eslint.config.js"],
    languageOptions: { sourceType: "commonjs", globals: { ...globals.node } },
  },
];
