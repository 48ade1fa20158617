# Shared by run.sh and test.sh: installs what the build needs from Debian's packages.
QUANTORA_PAKETE="cmake g++ make qt6-base-dev qt6-base-dev-tools libgl-dev libgtest-dev libgmock-dev libbenchmark-dev fonts-liberation qt6-translations-l10n"

quantora_installiere() {
    local fehlend=""
    for p in $QUANTORA_PAKETE "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || fehlend="$fehlend $p"
    done
    [ -z "$fehlend" ] && return 0
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    echo "Installing:$fehlend"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq $fehlend
}
