copy D:\xrd\batch\base.inp D:\xrd\batch\base_orig.inp
del D:\xrd\batch\base.out
tc D:\xrd\batch\base "macro filename {s01} macro information { } #define GUI_LINES"
