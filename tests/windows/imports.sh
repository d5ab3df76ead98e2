#!/usr/bin/env bash
# Walks the imports of every program and DLL in the shipped Windows folder (objdump -p) and fails
# on a DLL that is neither shipped beside them nor one of Windows' own: with no deployment tool
# here, this is what keeps the folder complete. Usage: imports.sh FOLDER
set -uo pipefail
folder=$1
# Windows' own DLLs that Qt, the compiler's runtime or the game may import; api-ms-win-* are API sets.
system="advapi32 authz bcrypt comctl32 comdlg32 crypt32 d3d9 d3d11 dwmapi dwrite dxgi gdi32 imm32 kernel32 mpr
        msvcrt netapi32 ntdll ole32 oleaut32 psapi setupapi shcore shell32 shlwapi user32 userenv uxtheme version
        winmm winspool ws2_32 wtsapi32"
[ -d "$folder" ] || { echo "imports.sh: no folder $folder (./package.sh --windows makes it)"; exit 1; }
shipped=$(find "$folder" -maxdepth 1 -iname '*.dll' -printf '%f\n' | tr 'A-Z' 'a-z')
files=$(find "$folder" -type f \( -iname '*.dll' -o -iname '*.exe' -o -iname '*.com' \))
[ -n "$files" ] || { echo "imports.sh: nothing to walk in $folder"; exit 1; }
bad=0
while IFS= read -r file; do
  while IFS= read -r dll; do
    name=$(tr 'A-Z' 'a-z' <<<"$dll")
    base=${name%.dll}; base=${base%.drv}
    if grep -qx "$name" <<<"$shipped" || [[ " ${system//$'\n'/ } " == *" $base "* ]] || [[ $name == api-ms-win-* ]]; then continue; fi
    echo "${file#"$folder"/} imports $dll, which is neither shipped nor a Windows DLL"
    bad=1
  done < <(x86_64-w64-mingw32-objdump -p "$file" | awk '/DLL Name:/ {print $3}')
done <<<"$files"
[ "$bad" -eq 0 ] && echo "imports.sh: every import of $(wc -l <<<"$files") files is shipped or Windows' own"
exit "$bad"
