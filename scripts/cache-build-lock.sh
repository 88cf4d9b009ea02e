# Sourced by the scripts that build a library once into the cache folder outside the clone.
# one_build_at_a_time WORK FOLDER MARKER: the rest of the script holds WORK.lock, so two runs
# never build into one work folder; when the lock comes and FOLDER/MARKER is there (made
# meanwhile by another run), FOLDER is printed and the script ends.
one_build_at_a_time() {
  mkdir -p "$(dirname "$1")"
  exec 9>"$1.lock"
  flock 9
  if [ -f "$2/$3" ]; then
    echo "$2"
    exit 0
  fi
}
