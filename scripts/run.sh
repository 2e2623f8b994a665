#!/usr/bin/env bash
# Builds Kov and starts it. On the first run it makes a demo database and config.txt beside the program.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh
if [ ! -f build/config.txt ]; then
    [ -f build/kov.db ] || build/kov-newdb --demo --user admin --password admin build/kov.db
    mkdir -p build/pictures
    cat > build/config.txt <<CFG
"Kov settings"
Database,"$PWD/build/kov.db"
Pictures,"$PWD/build/pictures/"
Show SS,Yes
Show SL,Yes
Show RBD,Yes
Show WS,Yes
Show DT,Yes
Show SE,Yes
Show WN,Yes
CFG
    echo "Made build/config.txt and the demo database build/kov.db."
    echo "Log in with the user name admin and the password admin."
fi
exec build/kov "$@"
