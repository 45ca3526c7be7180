#!/usr/bin/env bash
# Builds the Debian package of the build tree BUILD into OUT, then checks it as a user's apt
# and Debian's own checker would: the file name, the files a desktop and a terminal need,
# the dependencies the binaries do not name themselves, and a clean lintian report.
set -euo pipefail
build=$1
out=$2
version=$3

rm -rf "$out"
mkdir -p "$out"
cpack --config "$build/CPackConfig.cmake" -B "$out" -G DEB >"$out/cpack.log" 2>&1 || {
    cat "$out/cpack.log"
    exit 1
}
deb="$out/ruxa-calendar_${version}-1_amd64.deb"
[ -f "$deb" ] || { echo "no package named $(basename "$deb") in $out"; ls "$out"; exit 1; }

failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

listing=$(dpkg-deb -c "$deb" | awk '{print $6}' | sed 's|^\./|/|')
for file in \
    /usr/bin/ruxa-calendar \
    /usr/bin/ruxa-cal \
    /usr/share/ruxa-calendar/holidays.csv \
    /usr/libexec/ruxa-calendar/ruxa-weather-capture \
    /usr/share/applications/ruxa-calendar.desktop \
    /usr/share/metainfo/org.example.ruxa.calendar.metainfo.xml \
    /usr/share/icons/hicolor/scalable/apps/ruxa-calendar.svg \
    /usr/share/icons/hicolor/48x48/apps/ruxa-calendar.png \
    /usr/share/doc/ruxa-calendar/copyright \
    /usr/share/doc/ruxa-calendar/changelog.Debian.gz; do
    grep -qx -- "$file" <<<"$listing" || fail "the package lacks $file"
done

# Every program on the PATH has a manual page in both languages.
for program in $(grep '^/usr/bin/.' <<<"$listing"); do
    name=$(basename "$program")
    for page in "/usr/share/man/man1/$name.1.gz" "/usr/share/man/zh_CN/man1/$name.1.gz"; do
        grep -qx -- "$page" <<<"$listing" || fail "$name has no manual page $page"
    done
done

# The binaries name the Qt and C++ libraries; the Chinese fonts and the web engine's helper
# process are needed at run time without being linked.
depends=$(dpkg-deb -f "$deb" Depends)
for wanted in libqt6widgets6 libxml2 libical3 libstdc++6 fonts-wqy-microhei libqt6webenginecore6-bin; do
    grep -q -- "$wanted" <<<"$depends" || fail "Depends lacks $wanted: $depends"
done

# lintian must report no error and no warning; its own root notice is not a finding.
if ! report=$(lintian --fail-on error,warning "$deb" 2>&1); then
    fail "lintian: $report"
fi
grep -E '^[EW]: ' <<<"$report" && fail "lintian reported the findings above"

[ "$failures" -eq 0 ] && echo "package $(basename "$deb") checked"
exit "$failures"
