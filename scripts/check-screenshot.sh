#!/bin/sh
# Checks that a screenshot shows the reader: below the caption, menu and
# toolbar a white page with dark text, not an empty, black or missing image.
#   ./scripts/check-screenshot.sh FILE
set -eu
file=${1:?usage: check-screenshot.sh FILE}
[ -s "$file" ] || { echo "No screenshot at $file" >&2; exit 1; }

# The lower two thirds of the window: fraction of white pixels and of dark ones.
page() { convert "$file" -gravity south -crop 100%x66%+0+0 +repage -colorspace Gray "$@" info:; }
white=$(page -threshold 85% -format '%[fx:mean]')
dark=$(page -negate -threshold 65% -format '%[fx:mean]')
echo "Screenshot $file: white $white, dark $dark of the page"
awk -v white="$white" -v dark="$dark" 'BEGIN { exit !(white >= 0.6 && dark >= 0.002 && dark <= 0.35) }' || {
    echo "The screenshot does not show a white page with dark text" >&2
    exit 1
}
