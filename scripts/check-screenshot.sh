#!/bin/sh
# Checks that a screenshot shows the reader: below the caption, menu and
# toolbar a white page with dark text, not an empty, black or missing image,
# and letters rather than the empty boxes of a face without Hebrew.
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

# A face without the Hebrew letters draws each one as the same empty box, so
# that a single shape makes up most of the page's marks; in Hebrew text with
# its points no one shape comes near that.
same=$(convert "$file" -gravity south -crop 100%x66%+0+0 +repage -colorspace Gray -threshold 60% -negate \
    -define connected-components:verbose=true -connected-components 8 null: 2>/dev/null |
    awk 'NR > 1 && $NF == "gray(255)" && $4 >= 20 { split($2, size, "+"); marks++; shapes[size[1] " " $4]++ }
         END { most = 0; for (shape in shapes) if (shapes[shape] > most) most = shapes[shape];
               print (marks > 0 ? most / marks : 1) }')
echo "Screenshot $file: the commonest mark is $same of the marks"
awk -v same="$same" 'BEGIN { exit !(same < 0.4) }' || {
    echo "The screenshot shows boxes, not Hebrew letters" >&2
    exit 1
}
