#!/usr/bin/env bash
# Measures the browser page in headless Chromium: frame times at 624x421 and
# 1920x1080 on the name and results screens, the time to the first frame and the
# size of the site (tests/benchmarks/lorvan_web_bench.py). Figures, not a test.
#
#   bash scripts/bench-web.sh
set -euo pipefail
cd "$(dirname "$0")/.."

cmake --preset web >/dev/null
cmake --build --preset web --target lorvan_web -j 2 >/dev/null
# Debian's own python3, the one that can import Debian's Selenium.
exec /usr/bin/python3 tests/benchmarks/lorvan_web_bench.py --site build/web/web/site \
    --out build/web/bench-screenshots
