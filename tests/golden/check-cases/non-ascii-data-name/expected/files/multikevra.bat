copy C:\lab\batch\sample.inp C:\lab\batch\sample_orig.inp
del C:\lab\batch\sample.out
tc C:\lab\batch\sample "macro filename {quartz} macro information { } #define GUI_LINES"
copy C:\lab\batch\sample.hkl C:\lab\batch\quartz.hkl
tc C:\lab\batch\sample "macro filename {échantillon2} macro information { } #define GUI_LINES"
copy C:\lab\batch\sample.hkl C:\lab\batch\échantillon2.hkl
