copy C:\lab\batch\sample.inp C:\lab\batch\sample_orig.inp
@echo off
del C:\lab\batch\sample.out
tc C:\lab\batch\sample "macro filename {s01} macro information { } #define GUI_LINES"

echo 50% done > log.txt
tc C:\lab\batch\sample "macro filename {s02} macro information { } #define GUI_LINES"
pause
