#!/usr/bin/env bash
# The portable zip and the winget manifests, as scripts/package.sh makes them:
# the zip holds the Quorvel folder's four files (the built programs, the licence,
# a CRLF README.txt) stamped with the commit's time, and two runs give the same
# bytes; the winget manifests parse as YAML and name the version, product code
# and SHA-256 of the MSI built beside them.
# usage: zip_and_winget.sh BUILD_DIR
set -euo pipefail
build=$(realpath "$1")
root=$(cd "$(dirname "$0")/../.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

# The two runs differ in time zone and umask, which must not reach the zip.
TZ=ABC+7 bash "$root/packaging/make-packages.sh" "$build" "$work/run1" >/dev/null
(umask 077 && TZ=XYZ-13 bash "$root/packaging/make-packages.sh" "$build" "$work/run2" >/dev/null)
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
zip=Quorvel-$version-win64.zip
msi=$work/run1/Quorvel-$version-win64.msi
[ -f "$work/run1/$zip" ] && [ -f "$msi" ] || fail "no $zip and MSI: $(ls "$work/run1")"
cmp "$work/run1/$zip" "$work/run2/$zip" || fail "two runs gave different zips"
echo "two runs gave the same $zip ($(stat -c %s "$work/run1/$zip") bytes)"

# The listing, the stamps and the contents, read with Python's zipfile.
commit_time=$(git -C "$root" log -1 --format=%ct)
python3 - "$work/run1/$zip" "$build" "$root" "$commit_time" "$version" <<'EOF' || fail "zip contents"
import sys, zipfile, datetime
path, build, root, commit_time, version = sys.argv[1:]
expected = {
    "Quorvel/Quorvel.exe": open(f"{build}/Quorvel.exe", "rb").read(),
    "Quorvel/quorvel-cli.exe": open(f"{build}/src/cli/quorvel-cli.exe", "rb").read(),
    "Quorvel/LICENSE": open(f"{root}/LICENSE", "rb").read(),
}
def utc_seconds(date_time):
    return datetime.datetime(*date_time, tzinfo=datetime.timezone.utc).timestamp()
problems = []
with zipfile.ZipFile(path) as z:
    names = z.namelist()
    if names != list(expected) + ["Quorvel/README.txt"]:
        problems.append(f"entries {names}")
    for info in z.infolist():
        # Zip times count in 2 s steps: an odd second is rounded to a neighbour.
        if abs(utc_seconds(info.date_time) - int(commit_time)) > 1:
            problems.append(f"{info.filename} stamped {info.date_time} UTC, commit at {commit_time}")
        if info.extra:
            problems.append(f"{info.filename} has extra fields")
    for name, data in expected.items():
        if name in names and z.read(name) != data:
            problems.append(f"{name} differs from the built file")
    readme = z.read("Quorvel/README.txt").decode("utf-8") if "Quorvel/README.txt" in names else ""
    lines = readme.split("\n")
    if lines[-1] != "" or any(not line.endswith("\r") for line in lines[:-1]):
        problems.append("README.txt does not end every line with CRLF")
    for needed in (f"Quorvel {version}", "HKEY_CURRENT_USER\\Software\\Quorvel1.1", "PURGE=1"):
        if needed not in readme:
            problems.append(f"README.txt does not say {needed!r}")
    if "@" in readme:
        problems.append("README.txt keeps a field to fill in")
for p in problems:
    print(p)
sys.exit(1 if problems else 0)
EOF
echo "the zip holds Quorvel/{Quorvel.exe,quorvel-cli.exe,LICENSE,README.txt} of the commit's time"

# The manifests against the MSI itself.
sha256=$(sha256sum "$msi" | cut -d' ' -f1)
product_code=$(msiinfo export "$msi" Property | tr -d '\r' | sed -n 's/^ProductCode\t//p')
msi_version=$(msiinfo export "$msi" Property | tr -d '\r' | sed -n 's/^ProductVersion\t//p')
[ "$msi_version" = "$version" ] || fail "the MSI's ProductVersion is $msi_version, the project's $version"
python3 - "$work/run1/winget" "$version" "$sha256" "$product_code" "$(basename "$msi")" <<'EOF' || fail "winget manifests"
import sys, yaml, pathlib
folder, version, sha256, product_code, msi_name = sys.argv[1:]
docs = {p.name: yaml.safe_load(p.read_text()) for p in pathlib.Path(folder).glob("*.yaml")}
kinds = {doc.get("ManifestType"): doc for doc in docs.values()}
problems = []
if sorted(kinds) != ["defaultLocale", "installer", "version"]:
    problems.append(f"manifest types {sorted(kinds)}")
for name, doc in docs.items():
    if doc.get("PackageIdentifier") != "Quorvel.Quorvel" or doc.get("PackageVersion") != version:
        problems.append(f"{name}: {doc.get('PackageIdentifier')} {doc.get('PackageVersion')!r}")
installer = kinds.get("installer", {})
entries = installer.get("Installers") or [{}]
if installer.get("Scope") != "user" or installer.get("InstallerType") != "msi":
    problems.append(f"scope {installer.get('Scope')}, type {installer.get('InstallerType')}")
if str(entries[0].get("InstallerSha256", "")).lower() != sha256:
    problems.append(f"InstallerSha256 {entries[0].get('InstallerSha256')}, the MSI's {sha256}")
if not str(entries[0].get("InstallerUrl", "")).endswith("/" + msi_name):
    problems.append(f"InstallerUrl {entries[0].get('InstallerUrl')}")
if installer.get("ProductCode") != product_code:
    problems.append(f"ProductCode {installer.get('ProductCode')}, the MSI's {product_code}")
for p in problems:
    print(p)
sys.exit(1 if problems else 0)
EOF
echo "the winget manifests name version $version, product code $product_code and the MSI's SHA-256"
echo "PASS"
