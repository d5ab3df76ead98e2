# The Release build as the Debian package ships it: Debian's hardening flags and its install
# paths. Sourced by scripts/setup.sh when RELEASE_AS_PACKAGED is set (package.sh, and test.sh,
# whose one Release build is both the tested build and the packed one). Needs dpkg-dev.
# Debian's -g is left out: CPack strips the program, so the debugging data would only cost time.
cxxflags=$(dpkg-buildflags --get CXXFLAGS | sed -E 's/(^| )-g( |$)/ /')
cxxflags="$cxxflags $(dpkg-buildflags --get CPPFLAGS)"
ldflags="$(dpkg-buildflags --get LDFLAGS) -Wl,-z,now"
cmake_args+=(-DCMAKE_INSTALL_PREFIX=/usr -DCMAKE_INSTALL_BINDIR=games
             "-DCMAKE_CXX_FLAGS=${CXXFLAGS:-} $cxxflags" "-DCMAKE_EXE_LINKER_FLAGS=${LDFLAGS:-} $ldflags")
