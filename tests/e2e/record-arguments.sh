#!/bin/sh
# Stands in for the deletion program in end-to-end runs: writes the folders
# it was given, one a line, to $QUENROW_RUBBISH_RECORD, and deletes nothing.
for folder in "$@"; do
    printf '%s\n' "$folder"
done > "$QUENROW_RUBBISH_RECORD.part" && mv "$QUENROW_RUBBISH_RECORD.part" "$QUENROW_RUBBISH_RECORD"
