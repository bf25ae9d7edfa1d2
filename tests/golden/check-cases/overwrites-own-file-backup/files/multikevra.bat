copy C:\lab\batch\sample.inp C:\lab\batch\sample_orig.inp
del C:\lab\batch\sample.out
tc C:\lab\batch\sample "macro filename {s01} macro information { } #define GUI_LINES"
copy C:\lab\batch\kevra.hkl C:\lab\batch\s01.inp
tc C:\lab\batch\sample "macro filename {Sample_Orig} macro information { } #define GUI_LINES"
copy C:\lab\batch\kevra.hkl C:\lab\batch\Sample_Orig.inp
