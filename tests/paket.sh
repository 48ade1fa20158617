#!/bin/sh
# Builds the Debian package from the tested binaries and checks it: control fields, contents, the unpacked
# launcher with a fresh home, the metadata validators and the command-line options of the packaged program.
set -eu
build="$1"
for werkzeug in dpkg-deb dpkg-shlibdeps cpack; do
    command -v "$werkzeug" >/dev/null || { echo "SKIP: $werkzeug is missing, no package built"; exit 77; }
done
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
fehler() { echo "FAIL: $*"; exit 1; }

cpack --config "$build/CPackConfig.cmake" -B "$tmp/cpack" >"$tmp/cpack.log" 2>&1 || { cat "$tmp/cpack.log"; exit 1; }
version=$("$build/quantora" --version | sed -n 's/^Quantora Pro //p')
[ -n "$version" ] || fehler "no version from quantora --version"
deb="$tmp/cpack/quantora_${version}_$(dpkg --print-architecture).deb"
[ -f "$deb" ] || fehler "expected $(basename "$deb"), got: $(ls "$tmp/cpack")"

feld() { dpkg-deb -f "$deb" "$1"; }
[ "$(feld Package)" = quantora ] || fehler "Package: $(feld Package)"
[ "$(feld Version)" = "$version" ] || fehler "Version: $(feld Version), program says $version"
case "$(feld Section)" in science|utils) ;; *) fehler "Section: $(feld Section)" ;; esac
feld Maintainer | grep -q '^[^<]\+ <[^@>]\+@[^>]\+>$' || fehler "Maintainer: $(feld Maintainer)"
for d in 'libqt6widgets6 (>= ' 'libstdc++6 (>= ' fonts-liberation qt6-qpa-plugins qt6-translations-l10n ca-certificates; do
    feld Depends | grep -qF "$d" || fehler "Depends lacks $d: $(feld Depends)"
done
feld Description | grep -q 'Einheitenumrechner' || fehler "no German description"

dpkg -x "$deb" "$tmp/root"
usr="$tmp/root/usr"
for f in bin/quantora bin/quantora-start share/applications/quantora.desktop share/doc/quantora/copyright \
         share/doc/quantora/changelog.gz share/man/man1/quantora.1.gz share/man/en/man1/quantora.1.gz \
         share/man/man1/quantora-start.1.gz share/icons/hicolor/scalable/apps/quantora.svg \
         share/icons/hicolor/16x16/apps/quantora.png share/icons/hicolor/256x256/apps/quantora.png; do
    [ -e "$usr/$f" ] || fehler "package lacks /usr/$f"
done
# The whole shipped database, byte for byte.
diff -r "$build/daten" "$usr/share/quantora/daten" || fehler "database in the package differs from the build"
metainfo=$(ls "$usr"/share/metainfo/*.metainfo.xml)
grep -qF "<release version=\"$version\"" "$metainfo" || fehler "metainfo has no release $version"
grep -qF "<launchable type=\"desktop-id\">quantora.desktop<" "$metainfo" || fehler "metainfo does not launch quantora.desktop"

# Every file of the data folder has its paragraph in the manual pages (the unit files and the substance
# files as a group).
for sprache in man1 en/man1; do
    seite=$(gzip -dc "$usr/share/man/$sprache/quantora.1.gz")
    echo "$seite" | grep -q "^.TH QUANTORA 1 .*\"Quantora Pro $version\"" || fehler "$sprache: version in .TH"
    for f in "$build"/daten/* QNT5.INI TEMP.DAT; do
        f=$(basename "$f")
        case "$f" in *.DAT) f='*.DAT' ;; Stoffw[2-6].nfo) continue ;; esac
        echo "$seite" | grep -qF "$f" || fehler "$sprache/quantora.1 does not describe $f"
    done
done
if command -v man >/dev/null; then
    warnungen=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$usr/share/man/man1/quantora.1.gz" "$usr/share/man/en/man1/quantora.1.gz" 2>&1 >/dev/null)
    [ -z "$warnungen" ] || fehler "man: $warnungen"
fi
if command -v appstreamcli >/dev/null; then
    appstreamcli validate-tree --no-net "$tmp/root" >"$tmp/as.log" 2>&1 || { cat "$tmp/as.log"; fehler "appstreamcli"; }
else
    echo "appstreamcli missing: metadata not validated"
fi
if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$usr/share/applications/quantora.desktop" || fehler "desktop-file-validate"
else
    echo "desktop-file-validate missing: desktop file not validated"
fi

# The menu entry's command with a fresh home: the data folder is filled, the program comes up and keeps
# running until it is ended (status 124 from timeout; a crash or a refused start would end it earlier).
exec_befehl=$(sed -n 's/^Exec=//p' "$usr/share/applications/quantora.desktop")
mkdir "$tmp/home"
status=0
HOME="$tmp/home" XDG_DATA_HOME='' QT_QPA_PLATFORM=offscreen timeout 5 "$usr/bin/$exec_befehl" >"$tmp/start.log" 2>&1 || status=$?
[ "$status" = 124 ] || { cat "$tmp/start.log"; fehler "launcher ended with status $status"; }
diff -r "$build/daten" "$tmp/home/.local/share/quantora" || fehler "data folder not prepared"

# Options of the packaged program: output, stream and exit status, and no window for a refused one.
pruefe() { # erwarteter Status, Strom (aus|fehler), erwarteter Text, Argumente…
    soll=$1 strom=$2 text=$3
    shift 3
    status=0
    QT_QPA_PLATFORM=offscreen timeout 30 "$usr/bin/quantora" "$@" >"$tmp/aus" 2>"$tmp/fehler" || status=$?
    [ "$status" = "$soll" ] || fehler "quantora $*: status $status, expected $soll"
    grep -qF -- "$text" "$tmp/$strom" || fehler "quantora $*: no \"$text\" in $(cat "$tmp/aus" "$tmp/fehler")"
    [ "$strom" = aus ] && [ -s "$tmp/fehler" ] && fehler "quantora $*: wrote to stderr: $(cat "$tmp/fehler")"
    [ "$strom" = fehler ] && [ -s "$tmp/aus" ] && fehler "quantora $*: wrote to stdout: $(cat "$tmp/aus")"
    return 0
}
pruefe 0 aus "Aufruf: quantora [OPTION …]" --help
pruefe 0 aus "  -h, --help" -h
pruefe 0 aus "Quantora Pro $version" --version
pruefe 0 aus "Quantora Pro $version" -platform offscreen --version
pruefe 2 fehler "quantora: unbekannte Option „--gibtsnicht“" --gibtsnicht
pruefe 2 fehler "quantora: unbekannte Option „--gibtsnicht“" --version --gibtsnicht
pruefe 2 fehler "die Option „--version“ erlaubt keinen Wert" --version=1
pruefe 2 fehler "quantora: unbekannte Option „-x“" -x
pruefe 2 fehler "quantora: unerwartetes Argument „datei.txt“" datei.txt
echo "package ok: $(basename "$deb")"
