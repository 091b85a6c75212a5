#!/usr/bin/env bash
# Plants the faults of scripts/mutations/*.txt one at a time in a copy of
# the tree (build/mutate/), rebuilds it and runs the tests that need no
# window, and reports which faults the tests catch and which survive.
#   scripts/mutate.sh [--folder engine|gedcom|answers|cli|library]... [--list] [-j N] [--at COMMIT]
set -euo pipefail
exec "$( [ -x /usr/bin/python3 ] && echo /usr/bin/python3 || echo python3)" "$(dirname "${BASH_SOURCE[0]}")/mutations/mutate.py" "$@"
