copy .\sample.inp .\sample_orig.inp
del .\sample.out
tc .\sample "macro filename {s01} macro information { } #define GUI_LINES"
copy .\kevra.hkl .\s01.bat
tc .\sample "macro filename {multikevra} macro information { } #define GUI_LINES"
copy .\kevra.hkl .\multikevra.bat
