copy C:\lab\batch\sample.inp C:\lab\batch\sample_orig.inp
del C:\lab\batch\sample.out
tc C:\lab\batch\sample "macro filename {scan01} macro information {prm a 5.4310 } #define GUI_LINES"
copy C:\lab\batch\sample.out C:\lab\batch\sample.inp
copy C:\lab\batch\refine.hkl C:\lab\batch\scan01_a.hkl
copy C:\lab\batch\refine.par C:\lab\batch\scan01.prm
tc C:\lab\batch\sample "macro filename {scan02} macro information { } #define GUI_LINES"
copy C:\lab\batch\sample.out C:\lab\batch\sample.inp
copy C:\lab\batch\refine.hkl C:\lab\batch\scan02_a.hkl
copy C:\lab\batch\refine.par C:\lab\batch\scan02.prm
tc C:\lab\batch\sample "macro filename {sample_batch_0003} macro information {temp 300 } #define GUI_LINES"
copy C:\lab\batch\sample.out C:\lab\batch\sample.inp
copy C:\lab\batch\refine.hkl C:\lab\batch\sample_batch_0003_a.
copy C:\lab\batch\refine.par C:\lab\batch\sample_batch_0003.pr
