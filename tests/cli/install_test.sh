#!/bin/sh
# install_test.sh BUILD-DIR VERSION: cmake --install into a scratch prefix puts every file in its
# place, the desktop's validators accept the entry, the metainfo and the manual page, and the
# manual keeps up with the program (its version, one entry per command word).
set -eu
build=$1
version=$2
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
fail() { echo "$*" >&2; exit 1; }

cmake --install "$build" --prefix "$prefix" >/dev/null
for file in bin/tavro bin/tavro-cli libexec/tavro/tavro-cli-sound; do
    [ -x "$prefix/$file" ] || fail "$file is not installed as a program"
done
desktop=$prefix/share/applications/tavro.desktop
metainfo=$prefix/share/metainfo/io.tavro.Tavro.metainfo.xml
manual=$prefix/share/man/man1/tavro-cli.1
for file in "$desktop" "$metainfo" "$manual" \
    "$prefix/share/icons/hicolor/48x48/apps/tavro.png" \
    "$prefix/share/icons/hicolor/scalable/apps/tavro.svg"; do
    [ -f "$file" ] || fail "${file#"$prefix"/} is not installed"
done

desktop-file-validate "$desktop"
grep -qx 'Exec=tavro %F' "$desktop" || fail "the entry does not open files with tavro"
appstreamcli validate --no-net "$metainfo"
grep -q '<launchable type="desktop-id">tavro.desktop</launchable>' "$metainfo" ||
    fail "the metainfo does not launch tavro.desktop"
# groff reports a warning and still succeeds: any word from it fails the manual.
warnings=$(groff -man -ww -z "$manual" 2>&1)
[ -z "$warnings" ] || fail "$warnings"

"$prefix/bin/tavro-cli" --version | grep -qx "tavro-cli $version" || fail "wrong --version"
"$prefix/bin/tavro-cli" record --help | grep -q "^usage: tavro-cli record " ||
    fail "the installed tavro-cli does not reach its sound commands"
grep -q "^\.TH TAVRO-CLI 1 .* \"Tavro $version\"" "$manual" || fail "the manual is not of $version"
words=$("$prefix/bin/tavro-cli" --help | sed -n 's/^  \([a-z]*\) .*/\1/p')
[ -n "$words" ] || fail "no command words listed"
for word in $words; do
    grep -q "^\.B $word\b" "$manual" || fail "the manual has no entry for $word"
done
