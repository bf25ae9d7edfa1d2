copy work\sample.inp work\sample_orig.inp
del work\sample.out
tc work\sample "macro filename {raw\s01.xy} macro information { } #define GUI_LINES"
copy work\kevra.hkl work\raw\s01.xy.hkl
copy work\kevra.lst work\raw\s01.xy.lst
tc work\sample "macro filename {raw\s02.xy} macro information { } #define GUI_LINES"
copy work\kevra.hkl work\raw\s02.xy.hkl
copy work\kevra.lst work\raw\s02.xy.lst
