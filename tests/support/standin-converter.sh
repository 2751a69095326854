#!/bin/sh
# Stand-in for the video converter in tests. Takes the converter's arguments
# (... -i VIDEO ... PICTURE), appends "start PID VIDEO" to $STANDIN_CONVERTER_LOG,
# writes its arguments one per line to PICTURE.args, waits as the video file
# says (seconds, or "forever"), writes PICTURE and appends "end PID VIDEO".
log=${STANDIN_CONVERTER_LOG:-/dev/null}
video=
picture=
previous=
for argument in "$@"; do
    [ "$previous" = "-i" ] && video=$argument
    previous=$argument
    picture=$argument
done
printf 'start %s %s\n' "$$" "$video" >> "$log"
for argument in "$@"; do printf '%s\n' "$argument"; done > "$picture.args"
wait=$(cat "$video" 2>/dev/null)
if [ "$wait" = forever ]; then
    exec sleep 3600
fi
[ -n "$wait" ] && sleep "$wait"
printf 'picture of %s\n' "$video" > "$picture"
printf 'end %s %s\n' "$$" "$video" >> "$log"
