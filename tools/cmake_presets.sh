# Sourced by the tools that build: configures a CMake preset of this
# checkout. Not a command of its own.

# A build folder remembers the folders it was configured for, and CMake
# refuses one made for another place ("CMakeCache.txt directory is
# different"), as after the checkout was moved or copied. Its nested builds
# (host-tools) and their steps remember the old place too, so such a folder
# is dropped whole and built anew.
forget_moved_build_folder() {
  local folder=$1 made_in
  [[ -f $folder/CMakeCache.txt ]] || return 0
  made_in=$(sed -n 's/^CMAKE_CACHEFILE_DIR:INTERNAL=//p' "$folder/CMakeCache.txt")
  [[ -z $made_in || $(realpath -m "$made_in") == $(realpath "$folder") ]] && return 0
  echo "$folder was configured for another checkout folder ($made_in): building it anew here" >&2
  rm -rf "$folder"
}

# Configures preset $1 (its build folder is build/$1), quietly.
configure_preset() {
  forget_moved_build_folder "build/$1"
  cmake --preset "$1" >/dev/null
}
