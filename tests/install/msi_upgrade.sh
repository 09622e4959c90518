#!/usr/bin/env bash
# Upgrades under Wine: the current MSI installed over one built as an older
# version, while the older one's clock runs, replaces it (one Add/Remove
# Programs entry remains, of the current version), keeps the settings and the
# start-up entry, and leaves the clock running again from the new files; the
# older one installed over the current one is refused and changes nothing.
# usage: msi_upgrade.sh BUILD_DIR ARTEFACT_DIR
set -euo pipefail
build=$1
artefacts=$2
shot=$artefacts/msi_upgrade.png
log=$artefacts/msi_upgrade.log
source "$(dirname "${BASH_SOURCE[0]}")/../e2e/lib/common.sh"
source "$(dirname "${BASH_SOURCE[0]}")/../e2e/lib/clock.sh"
source "$(dirname "${BASH_SOURCE[0]}")/lib/msi.sh"
trap 'stop_clock_if_running; remove_installed_products; cleanup' EXIT
: >"$log"

make_packages "$work/current"
new_msi=$(echo "$work"/current/Quorvel-*-win64.msi)
new_version=$(basename "$new_msi" | sed 's/^Quorvel-\(.*\)-win64\.msi$/\1/')
old_version=0.1.0
[ "$(printf '%s\n' "$old_version" "$new_version" | sort -V | head -n1)" = "$old_version" ] &&
  [ "$old_version" != "$new_version" ] || fail "the current version $new_version is not above $old_version"
make_packages "$work/old" "$old_version"
old_msi=$work/old/Quorvel-$old_version-win64.msi
new_code=$(product_code_of "$new_msi")
old_code=$(product_code_of "$old_msi")
[ "$new_code" != "$old_code" ] || fail "both versions have the product code $new_code"
quorvel_clean_clock_registry
remove_installed_products

installed_version() { reg_value "$(uninstall_key "$(quorvel_products)")" DisplayVersion; }
exe_path="$(wine_cmd cmd /c echo %LOCALAPPDATA%)\\Programs\\Quorvel\\Quorvel.exe"

msiexec_timed "install $old_version" /i "$old_msi" /qn
[ "$status" = 0 ] || fail "installing $old_version exited $status"
[ "$(quorvel_products)" = "$old_code" ] || fail "after installing $old_version: '$(quorvel_products)'"
# The installed clock runs: its first start writes its start-up entry.
installed_clock() { pgrep -f 'Programs\\Quorvel\\Quorvel\.exe' | head -n1; }
"$QUORVEL_WINE" "$exe_path" </dev/null >>"$log" 2>&1 &
wait_for '[ -n "$(clock_window)" ] && [ -n "$(installed_clock)" ]' || fail "the installed $old_version clock did not start"
old_pid=$(installed_clock)
[ "$(reg_value "$run_key" Quorvel)" = "\"$exe_path\"" ] || fail "no start-up entry: '$(reg_value "$run_key" Quorvel)'"

msiexec_timed "upgrade to $new_version" /i "$new_msi" /qn
[ "$status" = 0 ] || fail "the upgrade exited $status"
[ "$(quorvel_products)" = "$new_code" ] || fail "after the upgrade Add/Remove Programs lists: $(quorvel_products)"
[ "$(installed_version)" = "$new_version" ] || fail "after the upgrade the entry says version $(installed_version)"
[ -f "$(unix_path "$exe_path")" ] || fail "no $exe_path after the upgrade"
! kill -0 "$old_pid" 2>/dev/null || fail "the upgrade left the old clock running"
reg_has "$settings_key" Alarms || fail "the old clock did not save its alarms before the upgrade"
[ "$(reg_value "$run_key" Quorvel)" = "\"$exe_path\"" ] ||
  fail "the upgrade lost the start-up entry ('$(reg_value "$run_key" Quorvel)')"
wait_for '[ -n "$(clock_window)" ] && [ -n "$(installed_clock)" ]' || fail "the clock did not start again after the upgrade"
pid=$(installed_clock)
[ "$pid" != "$old_pid" ] || fail "the clock running is the old one"
! reg_has "$settings_key" StartAfterUpdate || fail "the mark to start again is left behind"
end_clock 2>/dev/null
echo "one entry remains, version $new_version; settings and start-up entry kept; the clock ended, saved and started again"

msiexec_timed "downgrade to $old_version" /i "$old_msi" /qn
# 1603 (fatal error), as Wine passes it on: modulo 256.
[ "$status" = $((1603 % 256)) ] || fail "installing $old_version over $new_version exited $status, expected 1603"
[ "$(quorvel_products)" = "$new_code" ] && [ "$(installed_version)" = "$new_version" ] ||
  fail "after the refused downgrade Add/Remove Programs lists: $(quorvel_products) $(installed_version)"
[ -f "$(unix_path "$exe_path")" ] || fail "the refused downgrade removed $exe_path"
echo "the older package over the newer one is refused"

msiexec_timed uninstall /x "$new_msi" /qn
[ "$status" = 0 ] && [ -z "$(quorvel_products)" ] || fail "uninstall exited $status, left: $(quorvel_products)"
echo "PASS"
