#!/usr/bin/env bash
# Measures the browser page in headless Chromium and Firefox ESR: frame times at
# 624x421, 1920x1080 and a phone's 1170x2532 on the name and results screens, the
# background fill beside a plain memset in the same module, the time to the first
# frame and the size of the site (tests/benchmarks/lorvan_web_bench.py). Figures,
# not a test.
#
#   bash scripts/bench-web.sh                 # both engines
#   bash scripts/bench-web.sh firefox         # one
source "$(dirname "$0")/prelude.sh"
install_deps
build_preset web lorvan_site
# Debian's own python3, the one that can import Debian's Selenium.
PYTHONPATH=tests exec /usr/bin/python3 tests/benchmarks/lorvan_web_bench.py --site build/web/web/site \
    --out build/web/bench-screenshots --engines "${1:-chromium,firefox}"
