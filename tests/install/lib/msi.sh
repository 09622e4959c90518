# Installing the MSI under Wine from a test. Source after tests/e2e/lib/common.sh
# with `build` (the windows build folder) and `work` (a scratch folder) set.
# At exit every installed Quorvel product is removed and the clock's registry
# state cleaned, so a failed test leaves nothing for the next one.
packaging=$(cd "$(dirname "${BASH_SOURCE[0]}")/../../../packaging" && pwd)
run_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Run'
settings_key='HKCU\Software\Quorvel1.1'

wine_cmd() { "$QUORVEL_WINE" "$@" </dev/null 2>/dev/null | tr -d '\r'; }
# A Windows path as a Unix one, in the test's prefix.
unix_path() { wine_cmd winepath -u "$1"; }
# A folder of the user's profile (LOCALAPPDATA, APPDATA) as a Unix path.
user_folder() { unix_path "$(wine_cmd cmd /c echo "%$1%")"; }
# The installed products named Quorvel, one product code a line.
quorvel_products() { wine_cmd uninstaller --list | sed -n 's/^\({[0-9A-F-]*}\)|||Quorvel$/\1/p'; }
# Whether a registry value or key exists.
reg_has() {  # key [value]
  if [ $# -eq 2 ]; then "$QUORVEL_WINE" reg query "$1" /v "$2" </dev/null >/dev/null 2>&1
  else "$QUORVEL_WINE" reg query "$1" </dev/null >/dev/null 2>&1; fi
}
reg_value() { wine_cmd reg query "$1" /v "$2" | sed -n "s/^ *$2 *REG_[A-Z_]* *//p"; }
# The product's entry under Add/Remove Programs (Wine keeps even a per-user
# product's entry under HKLM's Uninstall key).
uninstall_key() { echo "HKLM\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\$1"; }
product_code_of() { msiinfo export "$1" Property | tr -d '\r' | sed -n 's/^ProductCode\t//p'; }

# Runs msiexec with the given arguments, prints how long it took, and sets
# `status` to its exit code (Wine gives it modulo 256: 1603 is 67).
msiexec_timed() {  # label args...
  local label=$1 start end
  shift
  start=$(date +%s.%N)
  status=0
  "$QUORVEL_WINE" msiexec "$@" </dev/null >>"$log" 2>&1 || status=$?
  end=$(date +%s.%N)
  awk -v l="$label" -v a="$*" -v s="$status" -v t0="$start" -v t1="$end" \
    'BEGIN { printf "%s: msiexec %s -> exit %s in %.2f s\n", l, a, s, t1 - t0 }'
}

remove_installed_products() {
  local code
  for code in $(quorvel_products); do
    "$QUORVEL_WINE" msiexec /x "$code" /qn </dev/null >/dev/null 2>&1 || true
  done
}

# Packages of the built programs, as scripts/package.sh makes them: the current
# version, or the one given.
make_packages() {  # out-dir [version]
  bash "$packaging/make-packages.sh" "$build" "$@" >>"$log"
}
