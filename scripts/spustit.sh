#!/usr/bin/env bash
# Installs what is missing, builds the program into build/bin (the ready program folder:
# the executable and its folder "Ses") and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/zavislosti.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTARVION_TESTS=OFF
cmake --build build --target Tarvion -j"$(nproc)"
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  exec build/bin/Tarvion
else
  echo "Bez grafického prostředí: program běží na virtuální obrazovce (xvfb-run)."
  exec xvfb-run -a -s "-screen 0 1280x1024x24" build/bin/Tarvion
fi
