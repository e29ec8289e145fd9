#!/usr/bin/env bash
# Prints the files the given processes have mapped, one a line.
for process in "$@"; do
  awk '$6 ~ /^\// { $1 = $2 = $3 = $4 = $5 = ""; sub(/^ +/, ""); print }' "/proc/$process/maps" 2>/dev/null
done | sort -u
