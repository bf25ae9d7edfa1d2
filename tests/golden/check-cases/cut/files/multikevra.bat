copy C:\lab\batch\sample.inp C:\lab\batch\sample_orig.inp
del C:\lab\batch\sample.out
tc C:\lab\batch\sample "macro filename {dddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddd} macro information {xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx} #define GUI_LINES"
copy C:\lab\batch\refine.hkl C:\lab\batch\dddddddddddddddddddd
tc C:\lab\batch\sample "macro filename {scan_0001_long_name} macro information {yyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyy } #define GUI_LINES"
copy C:\lab\batch\refine.hkl C:\lab\batch\scan_0001_long_name.
tc C:\lab\batch\sample "macro filename {s03} macro information {TEMP 300 } #define GUI_LINES"
copy C:\lab\batch\refine.hkl C:\lab\batch\s03.hkl
