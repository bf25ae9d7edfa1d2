copy C:\lab\batch\sample.inp C:\lab\batch\sample_orig.inp
del C:\lab\batch\sample.out
tc C:\lab\batch\sample "macro filename {s	1.xy} macro information { } #define GUI_LINES"
copy C:\lab\batch\kevra.hkl C:\lab\batch\s	1.xy.hkl
tc C:\lab\batch\sample "macro filename {s2.xy} macro information { } #define GUI_LINES"
copy C:\lab\batch\kevra.hkl C:\lab\batch\s2.xy.hkl
