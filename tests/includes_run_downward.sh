#!/bin/sh
# Fails when a file of src/ includes a header of a layer above its own:
# ui on top, then render and files, then rules, then model, texts, platform.
cd "$1" || exit 2
bad=$(grep -rnE '#include "(rules|files|render|ui)/' model texts platform
      grep -rnE '#include "(files|render|ui)/' rules
      grep -rnE '#include "ui/' render files)
[ -z "$bad" ] && exit 0
echo "includes that reach up a layer:"
echo "$bad"
exit 1
