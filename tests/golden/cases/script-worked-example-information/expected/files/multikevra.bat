copy D:\xrd\batch\base.inp D:\xrd\batch\base_orig.inp
del D:\xrd\batch\base.out
tc D:\xrd\batch\base "macro filename {s01} macro information {a=1 b=2 } #define GUI_LINES"
