#!/usr/bin/env bash
# The first start creates the per-user data folder tree in the documents folder, seeds it
# from the program folder without overwriting what is there, and "-exit" ends the
# program with exit code 0.
. "$(dirname "$0")/lib.sh"
app=$(new_install first-start)
clean_user_data
mkdir -p "$app/shortcuts/Games" "$app/config" "$app/reuse" "$app/projects" "$app/logs/misc"
printf '^Folder|Games\r\n' >"$app/shortcuts/shortcuts.txt"
printf '^NorSep|\r\n' >"$app/shortcuts/Games/shortcuts.txt"
printf 'seed reuse\r\n' >"$app/reuse/template.txt"
printf 'seed project\r\n' >"$app/projects/readme.txt"
printf 'seed keep\r\n' >"$app/reuse/keep.txt"
# A file the user already has must survive the seeding.
mkdir -p "$DATA/reuse"
printf 'user edit\r\n' >"$DATA/reuse/keep.txt"

run_pivola "$app" -exit
echo "exit code 0"

for f in projects temp logs logs/misc config reuse shortcuts; do
  check -d "$DATA/$f"
done
cmp "$app/shortcuts/shortcuts.txt" "$DATA/shortcuts/shortcuts.txt"
cmp "$app/shortcuts/Games/shortcuts.txt" "$DATA/shortcuts/Games/shortcuts.txt"
cmp "$app/reuse/template.txt" "$DATA/reuse/template.txt"
cmp "$app/projects/readme.txt" "$DATA/projects/readme.txt"
check "$(cat "$DATA/reuse/keep.txt")" = "$(printf 'user edit\r')"
check -d "$app/trans" -a -d "$app/tips"
echo "data folder created and seeded: $DATA"
