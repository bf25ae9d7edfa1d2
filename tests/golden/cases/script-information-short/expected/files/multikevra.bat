copy D:\xrd\batch\base.inp D:\xrd\batch\base_orig.inp
del D:\xrd\batch\base.out
tc D:\xrd\batch\base "macro filename {s01} macro information {a=1 } #define GUI_LINES"
copy D:\xrd\batch\base.out D:\xrd\batch\base.inp
