copy C:/kevra/quartz/sample.inp C:/kevra/quartz/sample_orig.inp
del C:/kevra/quartz/sample.out
tc C:/kevra/quartz/sample "macro filename {s01} macro information { } #define GUI_LINES"
copy C:/kevra/quartz/sample.out C:/kevra/quartz/sample.inp
copy C:/kevra/quartz/kevra.hkl C:/kevra/quartz/s01.hkl
tc C:/kevra/quartz/sample "macro filename {s02} macro information { } #define GUI_LINES"
copy C:/kevra/quartz/sample.out C:/kevra/quartz/sample.inp
copy C:/kevra/quartz/kevra.hkl C:/kevra/quartz/s02.hkl
