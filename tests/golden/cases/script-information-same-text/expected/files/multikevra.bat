copy D:\xrd\batch\base.inp D:\xrd\batch\base_orig.inp
del D:\xrd\batch\base.out
tc D:\xrd\batch\base "macro filename {s01} macro information {res 1.5  cycles 3 } #define GUI_LINES"
tc D:\xrd\batch\base "macro filename {s02} macro information {res 1.5  cycles 3 } #define GUI_LINES"
