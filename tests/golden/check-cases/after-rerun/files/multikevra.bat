copy sample.inp sample_orig.inp
del sample.out
tc sample "macro filename {s01} macro information { } #define GUI_LINES"
copy sample.out sample.inp
copy kevra.hkl s01.hkl
copy kevra.lst s01_fit.lst
tc sample "macro filename {s02} macro information { } #define GUI_LINES"
copy sample.out sample.inp
copy kevra.hkl s02.hkl
copy kevra.lst s02_fit.lst
tc sample "macro filename {s03} macro information { } #define GUI_LINES"
copy sample.out sample.inp
copy kevra.hkl s03.hkl
copy kevra.lst s03_fit.lst
