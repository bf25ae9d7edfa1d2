copy D:\xrd\batch\.inp D:\xrd\batch\_orig.inp
del D:\xrd\batch\.out
tc D:\xrd\batch\ "macro filename {s01} macro information { } #define GUI_LINES"
