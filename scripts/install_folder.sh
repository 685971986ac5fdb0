# Lays out an installation folder the way the installer does: the programs, the
# songs and catalog.doc beside the saver, and the catalogue's data files. Sourced by the run and
# benchmark scripts; `install_folder DIR` fills DIR from the build this host's
# Wine runs (build/win32, or build/win64 where 32-bit programs cannot start).
. "$(dirname "${BASH_SOURCE[0]}")/wine_common.sh"

build_dir=build/$VELMORA_WINE_BUILD
driver=$build_dir/tests/e2e/velmora_driver.exe

install_folder() {
    local dir=$1
    mkdir -p "$dir"
    cp "$build_dir/Velmora.scr" resources/music/ravlo*.mid resources/catalog.doc "$dir/"
    if [ -f "$build_dir/catalogue/Orvane_Products.exe" ]; then
        cp "$build_dir/catalogue/Orvane_Products.exe" catalogue/data/pid.txt catalogue/data/orvane_products.txt "$dir/"
    fi
}

# Points the saver's settings at the installation folder (a prefix ending in "\").
set_install_path() {
    wine "$driver" reg-set "$settings_key" install_path "$(winpath "$1")\\" </dev/null >/dev/null 2>&1
}

# Starts the private session of a script (session.sh start DIR SIZE), or prints
# why it could not start and fails; the session stops itself on a failed start.
start_session() {
    local out
    if ! out=$(bash tests/e2e/session.sh start "$@" 2>&1); then
        echo "$out" >&2
        return 1
    fi
}
