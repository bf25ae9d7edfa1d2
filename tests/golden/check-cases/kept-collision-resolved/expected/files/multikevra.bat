copy C:\lab\batch\sample.inp C:\lab\batch\sample_orig.inp
del C:\lab\batch\sample.out
tc C:\lab\batch\sample "macro filename {s01} macro information { } #define GUI_LINES"
copy C:\lab\batch\kevra.hkl C:\lab\batch\s01.hkl
tc C:\lab\batch\sample "macro filename {raw\..\S01.} macro information { } #define GUI_LINES"
copy C:\lab\batch\kevra.hkl C:\lab\batch\raw\..\S01.hkl.
tc C:\lab\batch\sample "macro filename {s02} macro information { } #define GUI_LINES"
copy C:\lab\batch\kevra.hkl C:\lab\batch\.\sample.inp 
tc C:\lab\batch\sample "macro filename {s03} macro information { } #define GUI_LINES"
copy C:\lab\batch\kevra.hkl C:\lab\batch\s03.hk
