copy C:\lab\batch\sample.inp C:\lab\batch\sample_orig.inp
del C:\lab\batch\sample.out
tc C:\lab\batch\sample "macro filename {s 01} macro information { } #define GUI_LINES"
copy C:\lab\batch\sample.out C:\lab\batch\sample.inp
copy C:\lab\batch\refine.hkl C:\lab\batch\s 01_a.hkl
copy C:\lab\batch\refine.par C:\lab\batch\s 01.prm
tc C:\lab\batch\sample "macro filename {a,b} macro information { } #define GUI_LINES"
copy C:\lab\batch\sample.out C:\lab\batch\sample.inp
copy C:\lab\batch\refine.hkl C:\lab\batch\a,b_a.hkl
copy C:\lab\batch\refine.par C:\lab\batch\a,b.prm
tc C:\lab\batch\sample "macro filename {r&d 2} macro information { } #define GUI_LINES"
copy C:\lab\batch\sample.out C:\lab\batch\sample.inp
copy C:\lab\batch\refine.hkl C:\lab\batch\r&d 2_a.hkl
copy C:\lab\batch\refine.par C:\lab\batch\r&d 2.prm
