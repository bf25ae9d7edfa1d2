copy sample.inp sample_orig.inp
del sample.out
tc sample "macro filename {s01} macro information { } #define GUI_LINES"
tc sample "macro filename {s02} macro information { } #define GUI_LINES"
