#!/usr/bin/env bash
# Builds Lorvan's web page and serves it on this machine only (127.0.0.1), then
# prints the address to open in a browser. Ctrl+C stops the server.
#
#   bash scripts/play-web.sh          # on port 8080
#   bash scripts/play-web.sh 9000     # on another port
source "$(dirname "$0")/prelude.sh"

port=${1:-8080}
install_deps
build_preset web lorvan_site

echo "Lorvan is ready: open http://127.0.0.1:$port/ in your browser (Ctrl+C stops it)."
exec python3 -m http.server "$port" --bind 127.0.0.1 --directory build/web/web/site
