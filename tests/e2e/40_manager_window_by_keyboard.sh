#!/usr/bin/env bash
# A double click on the tray icon opens the manager window with the side column, the tree
# of the user's items and the status bar. Then, by keyboard only (Tab, the arrow keys,
# Space, Alt with an accelerator, typing), a link is renamed, a separator and a folder are
# added, the folder moves up, and Cut and Paste move it into another folder; the native
# tree view shows each change.
. "$(dirname "$0")/lib.sh"
app=$(new_install manager)
clean_user_data
mkdir -p "$DATA/shortcuts/Tools"
printf '^UnkLnk|C:\\windows\\win.ini|ini|Settings file|\r\n^Folder|Tools\r\n' >"$DATA/shortcuts/shortcuts.txt"
printf '^UnkLnk|C:\\windows\\system.ini|ini|System file|\r\n' >"$DATA/shortcuts/Tools/shortcuts.txt"
. "$(dirname "$0")/manager_lib.sh"

start_pivola "$app"
open_manager
read -r wl wt wr wb <<<"$("$WINE" "$TOOL" rect "$TITLE" | tr -d '\r')"
echo "window at $wl,$wt to $wr,$wb"
shot manager-open
expect_tree "$(printf ' *\nSettings file\nTools\n  \n  System file')" open
case "$(focused)" in SysTreeView32*) ;; *) fail "the tree does not have the focus: $(focused)" ;; esac

# Rename the link: select it, Tab to the caption field (its text is selected), type.
key Down
tab_to "Edit "
xdotool type --delay 80 "Notes"
sleep 1
expect_tree "$(printf '\nNotes *\nTools\n  \n  System file')" renamed

# A separator after it: back to the kinds, the arrow keys to "Menu separator", attach.
tab_to "Button Shortcut to file"
key Down Down
tab_to "Button Find and Attach"
key space
expect_tree "$(printf '\nNotes\n--------------- *\nTools\n  \n  System file')" separator

# A folder after the separator.
key shift+Tab
key Down
tab_to "Button Find and Attach"
key space
folder=$(tree | sed -n 4p | sed 's/ \*$//')
echo "new folder: $folder"
[[ "$folder" =~ ^[a-zA-Z0-9]{8}$ ]] || { shot folder; fail "no new folder with a drawn name: $(tree)"; }
expect_tree "$(printf '\nNotes\n---------------\n%s *\n  \nTools\n  \n  System file' "$folder")" folder

# Up: the folder trades places with the separator.
tab_to "Button Up"
key space
expect_tree "$(printf '\nNotes\n%s *\n  \n---------------\nTools\n  \n  System file' "$folder")" moved
shot manager-edited

# Alt+C cuts the folder; in the tree, the "Tools" folder's first row takes it with Alt+P.
key alt+c
expect_tree "$(printf '\nNotes\n%s * ~\n  \n---------------\nTools\n  \n  System file' "$folder")" cut
tab_to "SysTreeView32"
key End Right Down
key alt+p
expect_tree "$(printf '\nNotes\n---------------\nTools\n  \n  %s *\n    \n  System file' "$folder")" pasted
shot manager-final
