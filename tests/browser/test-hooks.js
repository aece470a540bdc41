"use strict";
// Put before the page's own scripts by the browser tests' server: every error,
// unhandled rejection, console.error and policy violation the page meets is
// reported back to that server, which fails the test. WebKit's driver has no
// way to read the console, so the page tells.
(function () {
  function report(kind, detail) {
    navigator.sendBeacon("/test-errors", JSON.stringify({ kind, detail: String(detail), page: location.href }));
  }
  addEventListener("error", (event) => {
    if (event.target === window) {
      report("error", event.error && event.error.stack ? event.error.stack : event.message);
    } else {
      report("load failed", event.target.src || event.target.href || event.target.tagName);
    }
  }, true);
  addEventListener("unhandledrejection", (event) => {
    report("unhandled rejection", event.reason && event.reason.stack ? event.reason.stack : event.reason);
  });
  document.addEventListener("securitypolicyviolation", (event) => {
    report("policy violation", event.violatedDirective + " blocked " + event.blockedURI +
      " at " + event.sourceFile + ":" + event.lineNumber);
  });
  const consoleError = console.error;
  console.error = function (...parts) {
    report("console.error", parts.join(" "));
    consoleError.apply(console, parts);
  };
})();
