#!/bin/sh
# Packs this build as a Debian package and checks it as a distribution's packager would: lintian
# reports no error and no warning, and both programs carry the hardening Debian builds with (read-only
# relocations bound at start, fortified C library calls, a stack protector).
# Usage: check_package.sh BUILD_DIR WORK_DIR; skipped (77) where a tool is missing.
set -eu
build=$1
work=$2
for tool in cpack lintian dpkg-deb dpkg-shlibdeps file readelf; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "skipped: $tool is not installed (apt-get install lintian dpkg-dev file)"
        exit 77
    fi
done

rm -rf "$work"
mkdir -p "$work"
if ! cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work" >"$work/cpack.log" 2>&1; then
    cat "$work/cpack.log"
    exit 1
fi
deb=$(ls "$work"/jukewright_*.deb)

status=0
lintian --fail-on none "$deb" >"$work/lintian.log" 2>&1 || true
cat "$work/lintian.log"
if grep -E '^(E|W):' "$work/lintian.log" >/dev/null; then
    echo "lintian reports errors or warnings on $(basename "$deb")"
    status=1
fi

dpkg-deb -x "$deb" "$work/root"
for program in jukewright jukewright-cli; do
    binary=$work/root/usr/bin/$program
    readelf -lW "$binary" | grep -q GNU_RELRO || { echo "$program: no read-only relocations"; status=1; }
    readelf -dW "$binary" | grep -Eq 'BIND_NOW|FLAGS_1.* NOW' || { echo "$program: not bound at start (BIND_NOW)"; status=1; }
    readelf --dyn-syms -W "$binary" | grep -Eq ' __[a-z_]+_chk(@|$)' ||
        { echo "$program: no fortified C library calls (__*_chk)"; status=1; }
    readelf --dyn-syms -W "$binary" | grep -q ' __stack_chk_fail' || { echo "$program: no stack protector"; status=1; }
done
[ "$status" -eq 0 ] && echo "$(basename "$deb"): lintian clean, programs hardened"
exit "$status"
