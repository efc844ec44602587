#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, only those that are missing.
set -euo pipefail
balicky=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-base-dev-tools
  libsqlite3-dev sqlite3
  libgtest-dev libbenchmark-dev
  xvfb xauth fonts-dejavu-core
)
chybi=()
for b in "${balicky[@]}"; do
  dpkg-query -W -f='${Status}' "$b" 2>/dev/null | grep -q "install ok installed" || chybi+=("$b")
done
if [ ${#chybi[@]} -gt 0 ]; then
  echo "Instaluji: ${chybi[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq "${chybi[@]}"
fi
