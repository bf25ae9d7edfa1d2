copy C:\lab\batch\sample.inp C:\lab\batch\sample_orig.inp
del C:\lab\batch\sample.out
tc C:\lab\batch\sample "macro filename {kevra} macro information { } #define GUI_LINES"
copy C:\lab\batch\kevra.hkl C:\lab\batch\kevra.lst
copy C:\lab\batch\kevra.lst C:\lab\batch\kevra_fit.lst
tc C:\lab\batch\sample "macro filename {s02} macro information { } #define GUI_LINES"
copy C:\lab\batch\kevra.hkl C:\lab\batch\s02.lst
copy C:\lab\batch\kevra.lst C:\lab\batch\s02_fit.lst
tc C:\lab\batch\sample "macro filename {s02.lst} macro information { } #define GUI_LINES"
copy C:\lab\batch\kevra.hkl C:\lab\batch\s02.lst.lst
copy C:\lab\batch\kevra.lst C:\lab\batch\s02.lst_fit.lst
