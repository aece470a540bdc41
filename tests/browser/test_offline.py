"""The site as an installed, offline game (Chromium, which reports installability
through its DevTools protocol): Chromium finds the page installable; once its
service worker has cached the release, a new release laid out in its place
takes over after one reload, page and module alike, and the old cache is gone;
with the server stopped, the game starts again and plays a whole game, F1's
download included.

The site is served from a copy of the build, so the new release (the same
sources with a changed style sheet, laid out by web/lay_out_site.cmake) can
replace it while the page is open."""

import os
import shutil
import subprocess
import sys
import tempfile

from harness.browser import parse_arguments, run_test

from harness.e2e import check, wait_until
from selenium.common.exceptions import WebDriverException
from harness.page_game import play_whole_game

SOURCE = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
SITE_SOURCE = os.path.join(SOURCE, "web", "site")
LAY_OUT_SITE = os.path.join(SOURCE, "web", "lay_out_site.cmake")
RELEASE_TIMEOUT = 30

# The release the page runs (from its own script addresses), whether a service
# worker controls it, and the site's caches.
PAGE_STATE = """
const releases = new Set(Array.from(document.scripts, (s) => new URL(s.src).searchParams.get('v'))
                         .filter((v) => v));
return caches.keys().then((caches) => ({
  releases: Array.from(releases), controlled: Boolean(navigator.serviceWorker.controller),
  caches: caches.filter((name) => name.startsWith('lorvan-'))}));
"""


def lay_out_release(built_site, sources, out):
    """Lays out the sources as a release, with the module, icons, favicon and
    licence of the built site; returns the release."""
    build = os.path.dirname(built_site)
    release_file = out + ".release"
    subprocess.run([shutil.which("cmake"), "-DSOURCE_DIR=" + sources,
                    "-DMODULE_DIR=" + os.path.join(build, "module"),
                    "-DICONS_DIR=" + os.path.join(build, "icons"),
                    "-DFAVICON=" + os.path.join(built_site, "favicon.ico"),
                    "-DFONT_LICENCE=" + os.path.join(built_site, "FONTS-LICENSE.txt"),
                    "-DSITE_DIR=" + out, "-DRELEASE_FILE=" + release_file,
                    "-P", LAY_OUT_SITE], check=True, stdout=subprocess.DEVNULL)
    with open(release_file) as handle:
        return handle.read().strip()


def wait_for_release(page, release):
    """Waits until the page runs release under its worker, with only that
    release's cache left, and has drawn its first frame."""
    def settled():
        try:
            state = page.js(PAGE_STATE)
        except WebDriverException:  # the page was reloading
            return None
        return (state["releases"] == [release] and state["controlled"]
                and state["caches"] == ["lorvan-" + release] and state)
    state = wait_until("release %s cached and running" % release, settled, RELEASE_TIMEOUT)
    page.note("running %r" % state)
    page.wait_for_first_frame()


def offline_game(built_site, live, scratch):
    def test(page):
        with open(os.path.join(built_site, "service-worker.js")) as worker:
            first = worker.read().split('const RELEASE = "')[1].split('"')[0]
        wait_for_release(page, first)

        installability = page.cdp("Page.getInstallabilityErrors")
        check(installability["installabilityErrors"] == [],
              "Chromium finds the page not installable: %r" % installability)

        # The next release: the same game, its style sheet changed.
        sources = os.path.join(scratch, "next-sources")
        shutil.copytree(SITE_SOURCE, sources)
        with open(os.path.join(sources, "lorvan.css"), "a") as style:
            style.write("\n/* the next release */\n")
        second = lay_out_release(built_site, sources, os.path.join(scratch, "next-site"))
        check(second != first, "a changed style sheet kept the release %s" % first)
        shutil.rmtree(live)
        shutil.copytree(os.path.join(scratch, "next-site"), live)
        page.note("release %s replaces %s; one reload" % (second, first))
        page.driver.open(page.url)
        wait_for_release(page, second)

        page.server.stop()
        page.note("server stopped; reload offline")
        page.driver.open(page.url)
        wait_for_release(page, second)
        page.keep_for_docs("web-05-offline")
        page.focus_game()
        play_whole_game(page)
    return test


def main():
    args = parse_arguments()
    with tempfile.TemporaryDirectory(prefix="lorvan-offline-") as scratch:
        live = os.path.join(scratch, "live")
        shutil.copytree(args.site, live)
        argv = sys.argv[1:]
        argv[argv.index("--site") + 1] = live
        run_test(offline_game(os.path.abspath(args.site), live, scratch), argv, needs={"cdp"})


if __name__ == "__main__":
    main()
