copy C:\lab\batch\sample.inp C:\lab\batch\sample_orig.inp
del C:\lab\batch\sample.out
tc C:\lab\batch\sample "macro filename {s01} macro information {RATE 50% } #define GUI_LINES"
copy C:\lab\batch\refine.hkl C:\lab\batch\s01.hkl
tc C:\lab\batch\sample "macro filename {x%1} macro information {TEMP 300 } #define GUI_LINES"
copy C:\lab\batch\refine.hkl C:\lab\batch\x%1.hkl
