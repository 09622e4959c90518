#!/usr/bin/env bash
# Upgrades under Wine: the current MSI installed over one built as an older
# version replaces it (one Add/Remove Programs entry remains, of the current
# version) and keeps the settings and the start-up entry; the older one
# installed over the current one is refused and changes nothing.
# usage: msi_upgrade.sh BUILD_DIR ARTEFACT_DIR
set -euo pipefail
build=$1
artefacts=$2
shot=$artefacts/msi_upgrade.png
log=$artefacts/msi_upgrade.log
source "$(dirname "${BASH_SOURCE[0]}")/../e2e/lib/common.sh"
source "$(dirname "${BASH_SOURCE[0]}")/../e2e/lib/clock.sh"
source "$(dirname "${BASH_SOURCE[0]}")/lib/msi.sh"
trap 'remove_installed_products; cleanup' EXIT
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
# What the clock stores on its first start: settings and its start-up entry.
"$QUORVEL_WINE" reg add "$settings_key" /v Alarms /t REG_BINARY /d 0200 /f </dev/null >/dev/null 2>&1
"$QUORVEL_WINE" reg add "$run_key" /v Quorvel /d "\"$exe_path\"" /f </dev/null >/dev/null 2>&1

msiexec_timed "upgrade to $new_version" /i "$new_msi" /qn
[ "$status" = 0 ] || fail "the upgrade exited $status"
[ "$(quorvel_products)" = "$new_code" ] || fail "after the upgrade Add/Remove Programs lists: $(quorvel_products)"
[ "$(installed_version)" = "$new_version" ] || fail "after the upgrade the entry says version $(installed_version)"
[ -f "$(unix_path "$exe_path")" ] || fail "no $exe_path after the upgrade"
[ "$(reg_value "$settings_key" Alarms)" = 0200 ] || fail "the upgrade lost the alarms"
[ "$(reg_value "$run_key" Quorvel)" = "\"$exe_path\"" ] ||
  fail "the upgrade lost the start-up entry ('$(reg_value "$run_key" Quorvel)')"
echo "one entry remains, version $new_version; settings and start-up entry kept"

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
