# Sourced by test.sh, run.sh and bench.sh: configures a build tree once and
# builds it.
#   configure_and_build host|win32|fuzz|bench

# The compiler cache lives outside the checkout (ccache's own folder). Paths
# are made relative to the checkout and the working folder is left out of the
# key, so another clone of the tree, CI's included, reuses what was compiled.
export CCACHE_BASEDIR="${CCACHE_BASEDIR:-$(pwd)}"
export CCACHE_NOHASHDIR=1
export CCACHE_MAXSIZE="${CCACHE_MAXSIZE:-20G}"

configure_and_build() {
  local kind="$1" dir="build/$1"
  local args=(-S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo)
  case "$kind" in
    win32) args+=(-DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-mingw32.cmake) ;;
    fuzz) args+=(-DREELSTACK_FUZZ=ON -DCMAKE_C_COMPILER=clang-14 -DCMAKE_CXX_COMPILER=clang++-14) ;;
    bench) args+=(-DREELSTACK_BENCH=ON -DCMAKE_BUILD_TYPE=Release) ;;
  esac
  if [ ! -f "$dir/build.ninja" ]; then
    echo "== configuring $dir"
    mkdir -p build
    if ! cmake "${args[@]}" >"build/$kind.configure.log" 2>&1; then
      cat "build/$kind.configure.log"
      # Only CMake's own state: the tree may hold a Wine prefix with data.
      rm -rf "$dir/CMakeCache.txt" "$dir/CMakeFiles"
      return 1
    fi
  fi
  echo "== building $dir"
  cmake --build "$dir" -j "${REELSTACK_JOBS:-$(nproc)}"
}
