#!/usr/bin/env bash
# With "DataAccess=app" in muc.ini the data stays in the program folder and nothing is
# created in the documents folder.
. "$(dirname "$0")/lib.sh"
app=$(new_install app-mode)
clean_user_data
printf '[Misc]\r\nDataAccess=app\r\n' >"$app/muc.ini"
run_pivola "$app" -EXIT
for f in projects temp logs logs/misc config reuse shortcuts; do
  check -d "$app/$f"
done
check ! -e "$DOCS/Vendrik"
echo "data kept in $app"
