copy C:\lab\batch\aux.inp C:\lab\batch\aux_orig.inp
del C:\lab\batch\aux.out
tc C:\lab\batch\aux "macro filename {s01} macro information { } #define GUI_LINES"
copy C:\lab\batch\aux.out C:\lab\batch\aux.inp
copy C:\lab\batch\kevra.hkl C:\lab\batch\s01.hkl
tc C:\lab\batch\aux "macro filename {s02} macro information { } #define GUI_LINES"
copy C:\lab\batch\aux.out C:\lab\batch\aux.inp
copy C:\lab\batch\kevra.hkl C:\lab\batch\s02.hkl
