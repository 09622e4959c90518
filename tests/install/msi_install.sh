#!/usr/bin/env bash
# The MSI as a user installs it under Wine: a silent per-user install puts the
# programs under %LOCALAPPDATA%\Programs\Quorvel, a Start-menu shortcut and an
# Add/Remove Programs entry (version, publisher, icon); the clock started from
# the shortcut shows its window and writes its start-up entry; a silent uninstall
# while it runs ends it (it saves) and removes all of that and the start-up
# entry but keeps the settings and alarms, and a second install and uninstall
# with PURGE=1, the clock running again, removes those too.
# usage: msi_install.sh BUILD_DIR ARTEFACT_DIR
set -euo pipefail
build=$1
artefacts=$2
shot=$artefacts/msi_install.png
log=$artefacts/msi_install.log
source "$(dirname "${BASH_SOURCE[0]}")/../e2e/lib/common.sh"
source "$(dirname "${BASH_SOURCE[0]}")/../e2e/lib/clock.sh"
source "$(dirname "${BASH_SOURCE[0]}")/lib/msi.sh"
trap 'stop_clock_if_running; remove_installed_products; cleanup' EXIT
: >"$log"

make_packages "$work/package"
msi=$(echo "$work"/package/Quorvel-*-win64.msi)
version=$(basename "$msi" | sed 's/^Quorvel-\(.*\)-win64\.msi$/\1/')
code=$(product_code_of "$msi")
quorvel_clean_clock_registry
remove_installed_products
[ -z "$(quorvel_products)" ] || fail "a Quorvel product is installed before the test"

install_dir=$(user_folder LOCALAPPDATA)/Programs/Quorvel
shortcut=$(user_folder APPDATA)/Microsoft/Windows/Start\ Menu/Programs/Quorvel.lnk
installed_files() { LC_ALL=C ls "$install_dir" 2>/dev/null | tr '\n' ' '; }

msiexec_timed install /i "$msi" /qn
[ "$status" = 0 ] || fail "install exited $status"
[ "$(installed_files)" = "LICENSE Quorvel.exe README.txt quorvel-cli.exe " ] ||
  fail "installed files: $(installed_files)"
cmp -s "$install_dir/Quorvel.exe" "$build/Quorvel.exe" || fail "the installed Quorvel.exe is not the built one"
[ -f "$shortcut" ] || fail "no Start-menu shortcut at $shortcut"

[ "$(quorvel_products)" = "$code" ] || fail "Add/Remove Programs lists '$(quorvel_products)', expected $code"
entry=$(uninstall_key "$code")
[ "$(reg_value "$entry" DisplayVersion)" = "$version" ] || fail "DisplayVersion '$(reg_value "$entry" DisplayVersion)'"
[ "$(reg_value "$entry" Publisher)" = "The Quorvel authors" ] || fail "Publisher '$(reg_value "$entry" Publisher)'"
# Per user: Windows Installer registered the product, with its icon, in the user's hive.
user_products=$(wine_cmd reg query 'HKCU\Software\Microsoft\Installer\Products' /s)
grep -Eq '^ +ProductName +REG_SZ +Quorvel$' <<<"$user_products" || fail "the product is not registered for the current user"
icon=$(sed -n 's/^ *ProductIcon *REG_SZ *//p' <<<"$user_products")
[ -n "$icon" ] && cmp -s "$(unix_path "$icon")" "$(dirname "$0")/../../res/quorvel.ico" ||
  fail "no product icon for Add/Remove Programs ('$icon')"
echo "installed $version as $code: $(installed_files); shortcut and Add/Remove Programs entry present"

# The shortcut starts the installed clock; a first start writes the start-up
# entry with the installed path, and ending it saves the settings.
"$QUORVEL_WINE" start "$(wine_cmd winepath -w "$shortcut")" </dev/null >>"$log" 2>&1
# Up to 20 s: the first start of a freshly installed program is the slowest.
wait_for '[ -n "$(clock_window)" ]' || wait_for '[ -n "$(clock_window)" ]' ||
  fail "no Quorvel window after starting the shortcut"
pid=$(pgrep -f 'Programs\\Quorvel\\Quorvel\.exe' | head -n1)
[ -n "$pid" ] || fail "the running clock is not the installed Quorvel.exe"
startup=$(reg_value "$run_key" Quorvel)
[ "$startup" = "\"$(wine_cmd winepath -w "$install_dir/Quorvel.exe")\"" ] || fail "start-up entry '$startup'"
echo "the installed clock runs and wrote its start-up entry $startup"

# Uninstalled while the clock runs: the clock is ended first, and saves.
msiexec_timed uninstall /x "$msi" /qn
[ "$status" = 0 ] || fail "uninstall exited $status"
wait_for '! kill -0 "$pid" 2>/dev/null' || fail "the uninstall left the clock running"
pid=
! reg_has "$settings_key" StartAfterUpdate || fail "an uninstall marked the clock to start again"
[ ! -e "$install_dir" ] || fail "left behind: $install_dir ($(installed_files))"
[ ! -e "$shortcut" ] || fail "the shortcut is left behind"
[ -z "$(quorvel_products)" ] || fail "Add/Remove Programs still lists $(quorvel_products)"
! reg_has "$entry" || fail "the uninstall entry is left behind"
! reg_has 'HKCU\Software\Quorvel' || fail "the installer's own key is left behind"
! reg_has "$run_key" Quorvel || fail "the start-up entry is left behind"
reg_has "$settings_key" Alarms || fail "the settings and alarms were removed"
echo "uninstalled: files, shortcut, entry and start-up entry gone, settings kept"

# A reinstall finds the settings; an uninstall with PURGE=1, by product code as
# README.txt gives it, removes them.
msiexec_timed reinstall /i "$msi" /qn
[ "$status" = 0 ] || fail "the second install exited $status"
reg_has "$settings_key" Alarms || fail "the second install lost the settings"
# Purged while the clock runs: its last save does not bring the settings back.
"$QUORVEL_WINE" start "$(wine_cmd winepath -w "$shortcut")" </dev/null >>"$log" 2>&1
wait_for '[ -n "$(clock_window)" ]' || fail "no Quorvel window after the reinstall"
pid=$(pgrep -f 'Programs\\Quorvel\\Quorvel\.exe' | head -n1)
[ -n "$pid" ] || fail "the running clock is not the installed Quorvel.exe"
msiexec_timed purge /x "$code" /qn PURGE=1
[ "$status" = 0 ] || fail "uninstall with PURGE=1 exited $status"
wait_for '! kill -0 "$pid" 2>/dev/null' || fail "the purge left the clock running"
pid=
[ ! -e "$install_dir" ] || fail "left behind after PURGE=1: $install_dir"
! reg_has "$settings_key" || fail "PURGE=1 kept the settings"
echo "uninstalled with PURGE=1: settings gone"
echo "PASS"
