copy C:\lab\batch\sample.inp C:\lab\batch\sample_orig.inp
del C:\lab\batch\sample.out
tc C:\lab\batch\sample "macro filename {quartz_series_0100K_a} macro information { } #define GUI_LINES"
copy C:\lab\batch\refine.hkl C:\lab\batch\quartz_series_0100K_
copy C:\lab\batch\refine.par C:\lab\batch\quartz_series_0100K_
tc C:\lab\batch\sample "macro filename {quartz_series_0100K_b} macro information { } #define GUI_LINES"
copy C:\lab\batch\refine.hkl C:\lab\batch\quartz_series_0100K_
copy C:\lab\batch\refine.par C:\lab\batch\quartz_series_0100K_
tc C:\lab\batch\sample "macro filename {S01} macro information { } #define GUI_LINES"
copy C:\lab\batch\refine.hkl C:\lab\batch\S01.hkl
copy C:\lab\batch\refine.par C:\lab\batch\S01.hkl
tc C:\lab\batch\sample "macro filename {s01} macro information { } #define GUI_LINES"
copy C:\lab\batch\refine.hkl C:\lab\batch\s01.hkl
copy C:\lab\batch\refine.par C:\lab\batch\s01.hkl
