# Sourced by the tools that build: configures a CMake preset of this
# checkout. Not a command of its own.

# A build folder remembers the folders it was configured for, and CMake
# refuses one made for another place ("CMakeCache.txt directory is
# different"), as after the checkout was moved or copied. Such a folder's
# caches (its own and any nested build's, like host-tools) are dropped, so
# that the configure below makes them anew for this checkout.
forget_moved_build_folder() {
  local folder=$1 cache made_in
  [[ -d $folder ]] || return 0
  while IFS= read -r -d '' cache; do
    made_in=$(sed -n 's/^CMAKE_CACHEFILE_DIR:INTERNAL=//p' "$cache")
    [[ -z $made_in || $(realpath -m "$made_in") == $(realpath "$(dirname "$cache")") ]] && continue
    echo "$folder was configured in $made_in: configuring it anew here" >&2
    rm -rf "$cache" "$(dirname "$cache")/CMakeFiles"
  done < <(find "$folder" -name CMakeCache.txt -print0)
}

# Configures preset $1 (its build folder is build/$1), quietly.
configure_preset() {
  forget_moved_build_folder "build/$1"
  cmake --preset "$1" >/dev/null
}
