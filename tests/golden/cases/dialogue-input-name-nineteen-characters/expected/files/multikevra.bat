copy D:\xrd\batch\abcdefghijklmnopqrs.inp D:\xrd\batch\abcdefghijklmnopqrs_orig.inp
del D:\xrd\batch\abcdefghijklmnopqrs.out
tc D:\xrd\batch\abcdefghijklmnopqrs "macro filename {s01} macro information { } #define GUI_LINES"
