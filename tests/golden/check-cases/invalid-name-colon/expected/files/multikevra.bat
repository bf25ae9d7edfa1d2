copy C:\lab\batch\sample.inp C:\lab\batch\sample_orig.inp
del C:\lab\batch\sample.out
tc C:\lab\batch\sample "macro filename {run:1.xy} macro information { } #define GUI_LINES"
copy C:\lab\batch\kevra.hkl C:\lab\batch\run:1.xy.hkl
tc C:\lab\batch\sample "macro filename {d:\raw\a.xy} macro information { } #define GUI_LINES"
copy C:\lab\batch\kevra.hkl C:\lab\batch\d:\raw\a.xy.hkl
