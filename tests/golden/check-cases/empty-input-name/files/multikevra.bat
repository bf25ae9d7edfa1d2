copy C:\lab\batch\.inp C:\lab\batch\_orig.inp
del C:\lab\batch\.out
tc C:\lab\batch\ "macro filename {s01} macro information { } #define GUI_LINES"
copy C:\lab\batch\.out C:\lab\batch\.inp
