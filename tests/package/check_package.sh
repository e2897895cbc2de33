#!/usr/bin/env bash
# Checks an unpacked Kalmoro package as a distribution and a desktop would: the AppStream
# metainfo, the desktop entry, the hardening of the three ELF files, and the command line without
# a display.
# Usage: check_package.sh PACKAGE_ROOT COMPILE_COMMANDS
# PACKAGE_ROOT is the package unpacked with dpkg-deb -x; COMPILE_COMMANDS the compile_commands.json
# of the build it was packed from.
set -euo pipefail

root=${1:?package root}
compile_commands=${2:?compile_commands.json}

fail() {
    echo "FAIL [package]: $*" >&2
    exit 1
}

echo "-- AppStream metainfo"
metainfo=("$root"/usr/share/metainfo/*.metainfo.xml)
[[ ${#metainfo[@]} -eq 1 && -f ${metainfo[0]} ]] || fail "not one metainfo file in usr/share/metainfo"
report=$(appstreamcli validate --pedantic --no-net --no-color "${metainfo[0]}") || fail "appstreamcli: $report"
echo "$report"
# The id keeps the capital of the program's name, as the desktop entry's file name does; the
# pedantic note on that is the one accepted.
if grep -E '^[EWIP]: ' <<<"$report" | grep -v ' cid-contains-uppercase-letter '; then
    fail "appstreamcli found the issues above"
fi
id=$(basename "${metainfo[0]}" .metainfo.xml)

echo "-- Desktop entry"
desktop=$root/usr/share/applications/$id.desktop
[[ -f $desktop ]] || fail "no desktop entry named by the metainfo's id $id"
report=$(desktop-file-validate "$desktop" 2>&1) || fail "desktop-file-validate: $report"
[[ -z $report ]] || fail "desktop-file-validate: $report"
echo "$id.desktop is valid"

echo "-- The job file's type"
mime_package=$root/usr/share/mime/packages/$id.xml
[[ -f $mime_package ]] || fail "no shared-mime-info package named by the id $id"
grep -qx 'MimeType=application/x-kalmoro-job;' "$desktop" || fail "the desktop entry does not open job files"
grep -q 'Exec=kalmoro %f' "$desktop" || fail "the desktop entry does not pass the file to the program"
mime_database=$(mktemp -d)
trap 'rm -rf "$mime_database"' EXIT
mkdir "$mime_database/packages"
cp "$mime_package" "$mime_database/packages/"
update-mime-database "$mime_database" || fail "update-mime-database refused $mime_package"
grep -q 'application/x-kalmoro-job:\*\.kalmoro' "$mime_database/globs2" || fail "no glob *.kalmoro"
grep -q 'application/x-kalmoro-job' "$mime_database/magic" || fail "no magic for job files"
echo "application/x-kalmoro-job: glob and magic"

echo "-- Hardening of the program and its plugins"
elf_files=("$root/usr/lib/kalmoro/kalmoro" "$root"/usr/lib/kalmoro/*.so)
[[ ${#elf_files[@]} -eq 3 ]] || fail "expected the program and two plugins, found ${elf_files[*]}"
# Control-flow protection cannot show in any linked file: Debian 12's C library start files
# (Scrt1.o, crti.o, crtn.o) carry no IBT/SHSTK property, so the linker leaves it out. Every
# object compiled from the sources carries it, as checked below.
# Fortification is judged below, file by file: a plugin whose only checkable calls are the block
# copies the compiler emits inside Qt's containers (memcpy, memmove, memset: their sizes are known
# only at run time, so there is no checked variant to call) reads as "only unprotected functions".
report=$(hardening-check --nocfprotection --nofortify "${elf_files[@]}") \
    || fail "hardening-check:"$'\n'"$report"
echo "$report"
for elf in "${elf_files[@]}"; do
    fortify=$( (hardening-check --nocfprotection --verbose "$elf" || true) | sed -n '/Fortify Source functions/,/^ [A-Z]/p')
    case $fortify in
        *"Fortify Source functions: yes"* | *"Fortify Source functions: unknown"*) ;;
        *"only unprotected functions found"*)
            others=$(grep -o 'unprotected: .*' <<<"$fortify" | grep -vE 'unprotected: (memcpy|memmove|memset)$' || true)
            [[ -z $others ]] || fail "$(basename "$elf") calls unchecked C library functions:"$'\n'"$others"
            echo "$(basename "$elf"): its only unchecked calls are block copies of run-time sizes" \
                "($(grep -o 'unprotected: .*' <<<"$fortify" | cut -d' ' -f2 | paste -sd' ')); its sources were" \
                "compiled with -D_FORTIFY_SOURCE=2, as shown below." ;;
        *) fail "hardening-check on $(basename "$elf"):"$'\n'"$fortify" ;;
    esac
done
for elf in "${elf_files[@]}"; do
    if readelf -p .comment "$elf" 2>/dev/null | grep -q .; then
        fail "$(basename "$elf") has a .comment section"
    fi
done

echo "-- The flags behind what hardening-check cannot see"
python3 - "$compile_commands" <<'PYTHON'
import json, os, shlex, subprocess, sys

required = ["-fstack-protector-strong", "-fcf-protection", "-Wformat", "-Werror=format-security",
            "-D_FORTIFY_SOURCE=2"]
entries = json.load(open(sys.argv[1]))
faults = []
for entry in entries:
    arguments = shlex.split(entry["command"])
    missing = [flag for flag in required if flag not in arguments]
    if not any(a in ("-O1", "-O2", "-O3", "-Os") for a in arguments):
        missing.append("an optimisation level (checked functions need it)")
    output = os.path.join(entry["directory"], arguments[arguments.index("-o") + 1])
    notes = subprocess.run(["readelf", "-n", output], capture_output=True, text=True).stdout
    if "x86 feature: IBT, SHSTK" not in notes:
        missing.append("the IBT/SHSTK property in " + output)
    if missing:
        faults.append(entry["file"] + ": " + ", ".join(missing))
if faults:
    sys.exit("\n".join(faults))
print(f"{len(entries)} sources compiled with {' '.join(required)} and optimisation;"
      " each object carries the IBT/SHSTK property")
PYTHON
while read -r file; do
    echo "${file%:}: hardening-check cannot judge fortification: the file calls no C library function" \
        "that has a checked variant, so there is nothing to fortify; its sources were compiled with" \
        "-D_FORTIFY_SOURCE=2, as shown above."
done < <(awk '/^[^ ]/ { file = $0 } /Fortify Source functions: unknown/ { print file }' <<<"$report")

echo "-- Command line without a display"
program=$root/usr/bin/kalmoro
version=$(env -u DISPLAY -u WAYLAND_DISPLAY "$program" --version) || fail "--version ended with status $?"
[[ $version =~ ^kalmoro\ [0-9]+\.[0-9]+ ]] || fail "--version printed: $version"
help=$(env -u DISPLAY -u WAYLAND_DISPLAY "$program" --help) || fail "--help ended with status $?"
[[ $help == *--version* ]] || fail "--help printed: $help"
status=0
env -u DISPLAY -u WAYLAND_DISPLAY "$program" --no-such-option 2>/dev/null || status=$?
((status == 2)) || fail "an unknown option ended with status $status, expected 2"
echo "--version: $version; --help: $(wc -l <<<"$help") lines; an unknown option: status 2"
