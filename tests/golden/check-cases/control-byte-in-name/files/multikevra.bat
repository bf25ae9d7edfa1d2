copy C:\kevra\quartz\quartz.inp C:\kevra\quartz\quartz_orig.inp
del C:\kevra\quartz\quartz.out
tc C:\kevra\quartz\quartz "macro filename {[31mred›2J} macro information { } #define GUI_LINES"
copy C:\kevra\quartz\kevra.hkl C:\kevra\quartz\[31mred›2J.hkl
tc C:\kevra\quartz\quartz "macro filename {ok} macro information { } #define GUI_LINES"
copy C:\kevra\quartz\kevra.hkl C:\kevra\quartz\ok.hkl
