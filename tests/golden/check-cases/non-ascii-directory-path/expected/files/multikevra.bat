copy C:\données\batch\sample.inp C:\données\batch\sample_orig.inp
del C:\données\batch\sample.out
tc C:\données\batch\sample "macro filename {s01} macro information { } #define GUI_LINES"
copy C:\données\batch\sample.out C:\données\batch\sample.inp
copy C:\données\batch\sample.hkl C:\données\batch\s01.hkl
