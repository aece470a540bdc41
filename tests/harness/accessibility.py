"""axe-core's audit of the page as it stands, in any engine: its WCAG 2.2 A and
AA rules and its best practices must find nothing. axe cannot see inside the
canvas; it judges what the page around it gives assistive technology."""

import os

from .e2e import check

AXE = os.path.join(os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__)))),
                   "node_modules", "axe-core", "axe.min.js")
RULE_TAGS = ["wcag2a", "wcag2aa", "wcag21a", "wcag21aa", "wcag22aa", "best-practice"]

# The violations as "rule (impact): targets", one a line.
RUN_AXE = """
return axe.run(document, {runOnly: {type: 'tag', values: arguments[0]},
                          resultTypes: ['violations']})
  .then((results) => results.violations.map((v) => v.id + ' (' + v.impact + '): ' +
        v.nodes.map((n) => n.target.join(' ')).join(', ')));
"""


def check_accessibility(page, where):
    """Runs the audit on the page as it is now; fails on any violation."""
    if not page.js("return typeof axe === 'object'"):
        with open(AXE, encoding="utf-8") as source:
            # Run by the harness's driver, outside the page's own policy.
            page.js(source.read() + "\nreturn true;")
    violations = page.js(RUN_AXE, RULE_TAGS)
    page.note("axe on %s: %d violations" % (where, len(violations)))
    check(violations == [], "axe-core finds on %s:\n  %s" % (where, "\n  ".join(violations)))
