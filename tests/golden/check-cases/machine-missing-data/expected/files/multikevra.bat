copy sample.inp sample_orig.inp
del sample.out
tc sample "macro filename {qz_0100K} macro information { } #define GUI_LINES"
tc sample "macro filename {qz_0150} macro information { } #define GUI_LINES"
tc sample "macro filename {qz_0200K} macro information { } #define GUI_LINES"
