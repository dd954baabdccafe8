#!/bin/sh
# The units compiled for AVX2 or AVX-512 may export nothing but their run_avx2
# or run_avx512 entry: any other global or weak symbol (an inline function, a
# template instance) could be the copy the linker keeps for every caller, and
# would crash an older processor.
status=0
found_avx2=
found_avx512=
for obj in "$@"; do
  case "$obj" in
    *Avx2.cpp.o) entry='run_avx2(' found_avx2=1 ;;
    *Avx512.cpp.o) entry='run_avx512(' found_avx512=1 ;;
    *) continue ;;
  esac
  extra=$(nm -C "$obj" | awk '$2 ~ /^[TWVu]$/' | grep -v -F "$entry" | grep -v 'DW.ref.__gxx_personality_v0')
  if [ -n "$extra" ]; then
    echo "$obj exports more than its entry:"
    echo "$extra"
    status=1
  fi
done
[ -n "$found_avx2" ] || { echo "no AVX2 unit given"; exit 1; }
[ -n "$found_avx512" ] || { echo "no AVX-512 unit given"; exit 1; }
exit $status
