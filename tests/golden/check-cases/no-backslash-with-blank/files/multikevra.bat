copy C:\kevra\run 2quartz.inp C:\kevra\run 2quartz_orig.inp
del C:\kevra\run 2quartz.out
tc C:\kevra\run 2quartz "macro filename {qz_0100K.xy} macro information { } #define GUI_LINES"
copy C:\kevra\run 2quartz.out C:\kevra\run 2quartz.inp
copy C:\kevra\run 2kevra.hkl C:\kevra\run 2qz_0100K.xy.hkl
copy C:\kevra\run 2kevra.lst C:\kevra\run 2qz_0100K.xy_fit.lst
tc C:\kevra\run 2quartz "macro filename {qz_0150K.xy} macro information { } #define GUI_LINES"
copy C:\kevra\run 2quartz.out C:\kevra\run 2quartz.inp
copy C:\kevra\run 2kevra.hkl C:\kevra\run 2qz_0150K.xy.hkl
copy C:\kevra\run 2kevra.lst C:\kevra\run 2qz_0150K.xy_fit.lst
tc C:\kevra\run 2quartz "macro filename {qz_0200K.xy} macro information { } #define GUI_LINES"
copy C:\kevra\run 2quartz.out C:\kevra\run 2quartz.inp
copy C:\kevra\run 2kevra.hkl C:\kevra\run 2qz_0200K.xy.hkl
copy C:\kevra\run 2kevra.lst C:\kevra\run 2qz_0200K.xy_fit.lst
