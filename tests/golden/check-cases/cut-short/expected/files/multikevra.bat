copy C:\kevra\quartz\quartz.inp C:\kevra\quartz\quartz_orig.inp
del C:\kevra\quartz\quartz.out
tc C:\kevra\quartz\quartz "macro filename {qz_0100K.xy} macro information { } #define GUI_LINES"
copy C:\kevra\quartz\kevra.hkl C:\kevra\quartz\qz_0100K.xy.hkl
tc C:\kevra\quartz\quartz "macro filename {qz_0150K.xy} macro information { } #define GUI_LINES"
copy C:\kevra\quartz\kevra.hkl C:\kevra\quartz\qz_0150K.xy.hkl
tc C:\kevra\quartz\quartz "macro filenam