copy C:\lab\batch\sample.inp C:\lab\batch\sample_orig.inp
del C:\lab\batch\sample.out
tc C:\lab\batch\sample "macro filename {s01} macro information { } #define GUI_LINES"
copy C:\lab\batch\sample.out C:\lab\batch\sample.inp
tc C:\lab\batch\sample "macro filename {s02} macro information { } #define GUI_LINES"
copy C:\lab\batch\sample.out C:\lab\batch\sample.inp
tc C:\lab\batch\sample "macro filename {S01} macro information { } #define GUI_LINES"
copy C:\lab\batch\sample.out C:\lab\batch\sample.inp
