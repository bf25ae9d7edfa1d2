copy C:\kevra\quartz\quartz.inp C:\kevra\quartz\quartz_orig.inp
del C:\kevra\quartz\quartz.out
tc C:\kevra\quartz\quartz "macro filename {qz_0100K} macro information {TEMP 100 WL 0.70930 2TH 5 120 } #define GUI_LINES"
copy C:\kevra\quartz\quartz.out C:\kevra\quartz\quartz.inp
copy C:\kevra\quartz\kevra.hkl C:\kevra\quartz\qz_0100K.hkl
copy C:\kevra\quartz\kevra.lst C:\kevra\quartz\qz_0100K_fit.lst
tc C:\kevra\quartz\quartz "macro filename {qz_0150K} macro information {TEMP 150 WL 0.70930 2TH 5 120 } #define GUI_LINES"
copy C:\kevra\quartz\quartz.out C:\kevra\quartz\quartz.inp
copy C:\kevra\quartz\kevra.hkl C:\kevra\quartz\qz_0150K.hkl
copy C:\kevra\quartz\kevra.lst C:\kevra\quartz\qz_0150K_fit.lst
tc C:\kevra\quartz\quartz "macro filename {qz_0200K} macro information {TEMP 200 WL 0.70930 2TH 5 120 } #define GUI_LINES"
copy C:\kevra\quartz\quartz.out C:\kevra\quartz\quartz.inp
copy C:\kevra\quartz\kevra.hkl C:\kevra\quartz\qz_0200K.hkl
copy C:\kevra\quartz\kevra.lst C:\kevra\quartz\qz_0200K_fit.lst
tc C:\kevra\quartz\quartz "macro filename {qz_0250K} macro information {TEMP 250 WL 0.70930 2TH 5 120 } #define GUI_LINES"
copy C:\kevra\quartz\quartz.out C:\kevra\quartz\quartz.inp
copy C:\kevra\quartz\kevra.hkl C:\kevra\quartz\qz_0250K.hkl
copy C:\kevra\quartz\kevra.lst C:\kevra\quartz\qz_0250K_fit.lst
