# Sourced by the addon's test and screenshot scripts: scratch_tree WORK
# makes WORK/home the Gramps home, with the addon ($addon_dir) in its plugin
# folder ($plugins names it) and the spanwright package ($package_dir)
# importable, and imports Gramps' example tree ($example) into the tree "example".
scratch_tree() {
    HOME=$1/home
    export HOME
    mkdir -p "$HOME"
    PYTHONPATH=$package_dir${PYTHONPATH:+:$PYTHONPATH}
    export PYTHONPATH
    plugins=$($python -c 'from gramps.gen.const import USER_PLUGINS; print(USER_PLUGINS)' 2>/dev/null)
    mkdir -p "$plugins"
    cp -r "$addon_dir" "$plugins/"
    gramps -C example -i "$example" >"$1/import.log" 2>&1 || { cat "$1/import.log"; exit 1; }
}
