copy C:\kevra\run2quartz.inp C:\kevra\run2quartz_orig.inp
del C:\kevra\run2quartz.out
tc C:\kevra\run2quartz "macro filename {qz_0100K.xy} macro information { } #define GUI_LINES"
copy C:\kevra\run2kevra.hkl C:\kevra\run2qz_0100K.xy.hkl
copy C:\kevra\run2kevra.lst C:\kevra\run2qz_0100K.xy_fit.lst
tc C:\kevra\run2quartz "macro filename {qz_0150K.xy} macro information { } #define GUI_LINES"
copy C:\kevra\run2kevra.hkl C:\kevra\run2qz_0150K.xy.hkl
copy C:\kevra\run2kevra.lst C:\kevra\run2qz_0150K.xy_fit.lst
tc C:\kevra\run2quartz "macro filename {qz_0200K.xy} macro information { } #define GUI_LINES"
copy C:\kevra\run2kevra.hkl C:\kevra\run2qz_0200K.xy.hkl
copy C:\kevra\run2kevra.lst C:\kevra\run2qz_0200K.xy_fit.lst
