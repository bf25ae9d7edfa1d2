copy C:\lab\batch\sample.inp C:\lab\batch\sample_orig.inp
del C:\lab\batch\sample.out
tc C:\lab\batch\sample "macro filename {com10.xy} macro information { } #define GUI_LINES"
copy C:\lab\batch\sample.out C:\lab\batch\sample.inp
tc C:\lab\batch\sample "macro filename {conx.xy} macro information { } #define GUI_LINES"
copy C:\lab\batch\sample.out C:\lab\batch\sample.inp
tc C:\lab\batch\sample "macro filename {nul_a} macro information { } #define GUI_LINES"
copy C:\lab\batch\sample.out C:\lab\batch\sample.inp
tc C:\lab\batch\sample "macro filename {lpt} macro information { } #define GUI_LINES"
copy C:\lab\batch\sample.out C:\lab\batch\sample.inp
tc C:\lab\batch\sample "macro filename {a.b.c(1)-x_y.xy} macro information { } #define GUI_LINES"
copy C:\lab\batch\sample.out C:\lab\batch\sample.inp
tc C:\lab\batch\sample "macro filename {d:\raw\set 1\a.xy} macro information { } #define GUI_LINES"
copy C:\lab\batch\sample.out C:\lab\batch\sample.inp
