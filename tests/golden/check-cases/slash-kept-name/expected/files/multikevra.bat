copy C:\lab\batch\sample.inp C:\lab\batch\sample_orig.inp
del C:\lab\batch\sample.out
tc C:\lab\batch\sample "macro filename {raw/a.xy} macro information { } #define GUI_LINES"
copy C:\lab\batch\kevra.hkl C:\lab\batch\raw/a.xy.hkl
tc C:\lab\batch\sample "macro filename {s02} macro information { } #define GUI_LINES"
copy C:\lab\batch\kevra.hkl C:\lab\batch\s02.hkl
