#!/bin/sh
# Renders the elements the program uses, at the sizes it uses them, for both internal skins and
# puts them on one contact sheet (default docs/skin-contact-sheet.png). Needs ImageMagick.
#   tests/skin/paint/contact-sheet.sh RENDER_PROGRAM [OUT.png]
# RENDER_PROGRAM is tornivex-skin (anything that takes "render SKIN SECTION ..." works).
set -eu
render=${1:?usage: contact-sheet.sh RENDER_PROGRAM [OUT.png]}
root=$(cd "$(dirname "$0")/../../.." && pwd)
out=${2:-$root/docs/skin-contact-sheet.png}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export QT_QPA_PLATFORM=offscreen

shot() {  # shot SKIN SECTION STATE WxH [render options...] -> prints the file name
    skin=$1 section=$2 state=$3 size=$4
    shift 4
    file=$(mktemp -p "$work" shotXXXXXX.png)
    "$render" render "$skin" "$section" --state "$state" --size "$size" "$@" -o "$file" >/dev/null
    echo "$file"
}
row() {  # row LABEL FILE... -> prints the row's file name
    label=$1
    shift
    file=$(mktemp -p "$work" rowXXXXXX.png)
    convert -background '#e8e8e8' "$@" -bordercolor '#e8e8e8' -border 4 +append "$file"
    if [ -n "$label" ]; then
        convert -background '#e8e8e8' -fill '#202020' -font DejaVu-Sans -pointsize 12 \
            label:"$label" "$file" -gravity west -append "$file"
    fi
    echo "$file"
}

sheets=""
for skin in "Aluminium (internal)" "Topaz (internal)"; do
    rows=""
    for spec in "Calculate 137x25" "About 56x25" "Close 75x25"; do
        caption=${spec% *} size=${spec#* }
        rows="$rows $(row "BUTTON $size \"$caption\", states 0 1 2" \
            "$(shot "$skin" BUTTON 0 "$size" --over-section FORM --text "$caption")" \
            "$(shot "$skin" BUTTON 1 "$size" --over-section FORM --text "$caption")" \
            "$(shot "$skin" BUTTON 2 "$size" --over-section FORM --text "$caption")")"
    done
    rows="$rows $(row "FORMTITLE 541x26 active / inactive, FORM 541x206 (main window)" \
        "$(shot "$skin" FORMTITLE 1 541x26 --text Tornivex)" "$(shot "$skin" FORMTITLE 0 541x26 --text Tornivex)")"
    rows="$rows $(row "" "$(shot "$skin" FORM 0 541x206)")"
    rows="$rows $(row "FORM 248x172 (About dialog), EDIT 233x67 over FORM (memo)" \
        "$(shot "$skin" FORM 0 248x172)" "$(shot "$skin" EDIT 0 233x67 --over-section FORM)")"
    rows="$rows $(row "scroll bar: SCROLLBAR1V 17x63, SCROLLBTNTOP / SCROLLBTNBOTTOM 17x17, SCROLLSLIDERV 17x30, states 0 1 2" \
        "$(shot "$skin" SCROLLBAR1V 0 17x63)" "$(shot "$skin" SCROLLBAR1V 1 17x63)" \
        "$(shot "$skin" SCROLLBTNTOP 0 17x17)" "$(shot "$skin" SCROLLBTNTOP 1 17x17)" "$(shot "$skin" SCROLLBTNTOP 2 17x17)" \
        "$(shot "$skin" SCROLLBTNBOTTOM 0 17x17)" "$(shot "$skin" SCROLLBTNBOTTOM 1 17x17)" "$(shot "$skin" SCROLLBTNBOTTOM 2 17x17)" \
        "$(shot "$skin" SCROLLSLIDERV 0 17x30)" "$(shot "$skin" SCROLLSLIDERV 1 17x30)" "$(shot "$skin" SCROLLSLIDERV 2 17x30)")"
    rows="$rows $(row "close glyph BICONCLOSE over FORMTITLE, frames 0 1 2" \
        "$(shot "$skin" FORMTITLE 1 40x26 --glyph BICONCLOSE)" "$(shot "$skin" FORMTITLE 1 40x26 --glyph BICONCLOSE --state 1)" \
        "$(shot "$skin" FORMTITLE 1 40x26 --glyph BICONCLOSE --state 2)")"
    sheet=$(mktemp -p "$work" sheetXXXXXX.png)
    # shellcheck disable=SC2086
    convert -background '#e8e8e8' -fill black -font DejaVu-Sans-Bold -pointsize 15 label:"$skin" $rows \
        -gravity west -append -bordercolor '#e8e8e8' -border 8 "$sheet"
    sheets="$sheets $sheet"
done
# shellcheck disable=SC2086
convert $sheets -gravity north +append "$out"
echo "contact sheet written to $out"
