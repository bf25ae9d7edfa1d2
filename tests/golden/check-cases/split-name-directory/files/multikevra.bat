copy C:\my data\sample.inp C:\my data\sample_orig.inp
del C:\my data\sample.out
tc C:\my data\sample "macro filename {s01} macro information { } #define GUI_LINES"
copy C:\my data\sample.out C:\my data\sample.inp
copy C:\my data\refine.hkl C:\my data\s01.hkl
