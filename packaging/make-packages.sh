#!/usr/bin/env bash
# Makes the release packages from a built `windows` preset, without building:
#   Quorvel-VERSION-win64.zip   the portable folder (byte-for-byte reproducible)
#   Quorvel-VERSION-win64.msi   the per-user installer (wixl)
#   winget/*.yaml               the winget manifests for that MSI
# usage: make-packages.sh BUILD_DIR OUT_DIR [VERSION]
# VERSION defaults to the CMake project version of BUILD_DIR; tests give a lower
# one to build an "older" package of the same programs.
# QUORVEL_DOWNLOAD_URL: the folder the MSI is published in (the winget
# InstallerUrl); by default "download/" under the home page.
set -euo pipefail
build=$(realpath "$1")
out=$2
here=$(cd "$(dirname "$0")" && pwd)
root=$(dirname "$here")

cache_value() { sed -n "s/^$1:[A-Z]*=//p" "$build/CMakeCache.txt"; }
version=${3:-$(cache_value CMAKE_PROJECT_VERSION)}
home_page=$(cache_value QUORVEL_HOME_PAGE)
[[ $version =~ ^[0-9]+\.[0-9]+\.[0-9]+$ ]] || { echo "no version X.Y.Z: '$version'" >&2; exit 1; }
download_url=${QUORVEL_DOWNLOAD_URL:-${home_page%/}/download}
# Both go into XML, YAML and sed replacements as they are.
for url in "$home_page" "$download_url"; do
  [[ $url =~ ^https?://[^[:space:]\'\"\&\<\>\|\\]+$ ]] || { echo "not a plain http(s) address: '$url'" >&2; exit 1; }
done
upgrade_code=$(sed -n 's/.*UpgradeCode="\([0-9a-f-]*\)".*/\1/p' "$here/quorvel.wxs")
# One product code per version, made from the upgrade code: two builds of one
# version are the same product, a newer version a major upgrade of an older one.
product_code=$(python3 -c 'import sys, uuid; print("{%s}" % str(uuid.uuid5(uuid.UUID(sys.argv[1]), sys.argv[2])).upper())' \
  "$upgrade_code" "$version")

# The zip's timestamps: the commit's, so two builds of one commit are the same bytes.
epoch=${SOURCE_DATE_EPOCH:-$(git -C "$root" log -1 --format=%ct)}

name=Quorvel-$version-win64
mkdir -p "$out"
out=$(realpath "$out")
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT

# The payload, shared by the zip and the MSI. README.txt gets CRLF line ends for Notepad.
payload=$stage/Quorvel
mkdir "$payload"
cp "$build/Quorvel.exe" "$build/src/cli/quorvel-cli.exe" "$root/LICENSE" "$payload/"
sed -e "s/@VERSION@/$version/g" -e "s/@PRODUCT_CODE@/$product_code/g" -e 's/$/\r/' \
  "$here/README.txt" >"$payload/README.txt"
chmod 644 "$payload"/*
touch -d "@$epoch" "$payload"/*

# The zip: a fixed file order, no directory entries (-D), no extra fields such as
# Unix owners and times (-X); DOS times are local, hence TZ=UTC.
rm -f "$out/$name.zip"
(cd "$stage" && TZ=UTC zip -q -X -D -9 "$out/$name.zip" \
  Quorvel/Quorvel.exe Quorvel/quorvel-cli.exe Quorvel/LICENSE Quorvel/README.txt)

# The MSI: 64-bit, per user (InstallScope in the source). wixl finds sources
# only by paths relative to where it runs.
cp "$root/res/quorvel.ico" "$stage/"
(cd "$stage" && wixl -a x64 -o "$out/$name.msi" \
  -D Version="$version" -D ProductCode="$product_code" -D PayloadDir=Quorvel \
  -D IconFile=quorvel.ico -D HomePage="$home_page" "$here/quorvel.wxs")

# The winget manifests, filled in for the MSI just built.
sha256=$(sha256sum "$out/$name.msi" | cut -d' ' -f1 | tr a-f A-F)
rm -rf "$out/winget"
mkdir "$out/winget"
for template in "$here"/winget/*.yaml; do
  sed -e "s|@VERSION@|$version|g" -e "s|@PRODUCT_CODE@|$product_code|g" \
      -e "s|@UPGRADE_CODE@|{${upgrade_code^^}}|g" -e "s|@INSTALLER_SHA256@|$sha256|g" \
      -e "s|@INSTALLER_URL@|$download_url/$name.msi|g" -e "s|@HOME_PAGE@|$home_page|g" \
      -e '/^# /d' "$template" >"$out/winget/$(basename "$template")"
done
echo "$out/$name.zip"
echo "$out/$name.msi"
echo "$out/winget/"
