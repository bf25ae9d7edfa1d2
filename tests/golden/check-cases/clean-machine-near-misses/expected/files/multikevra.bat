copy sample.inp sample_orig.inp
del sample.out
tc sample "macro filename {qz_0100K} macro information { } #define GUI_LINES"
copy kevra.hkl raw\qz_0100K.hkl
tc sample "macro filename {qz_0150K} macro information { } #define GUI_LINES"
copy kevra.hkl raw\qz_0150K.hkl
