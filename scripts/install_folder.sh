# Lays out an installation folder the way the installer does: the programs, the
# songs and catalog.doc beside the saver, and the catalogue's data files. Sourced
# by the run and benchmark scripts; `install_folder DIR` fills DIR from build/win32.
install_folder() {
    local dir=$1
    mkdir -p "$dir"
    cp build/win32/Velmora.scr resources/music/ravlo*.mid resources/catalog.doc "$dir/"
    if [ -f build/win32/catalogue/Orvane_Products.exe ]; then
        cp build/win32/catalogue/Orvane_Products.exe catalogue/data/pid.txt catalogue/data/orvane_products.txt "$dir/"
    fi
}

. "$(dirname "${BASH_SOURCE[0]}")/wine_common.sh"

driver=build/win32/tests/e2e/velmora_driver.exe

# Points the saver's settings at the installation folder (a prefix ending in "\").
set_install_path() {
    wine "$driver" reg-set "$settings_key" install_path "$(winpath "$1")\\" </dev/null >/dev/null 2>&1
}
