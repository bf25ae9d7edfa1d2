copy D:\xrd\batch\base.inp D:\xrd\batch\base_orig.inp
del D:\xrd\batch\base.out
tc D:\xrd\batch\base "macro filename {my file.xy} macro information { } #define GUI_LINES"
tc D:\xrd\batch\base "macro filename {d:/data/a.xy} macro information { } #define GUI_LINES"
tc D:\xrd\batch\base "macro filename {it's.xy} macro information { } #define GUI_LINES"
tc D:\xrd\batch\base "macro filename {r1.xy} macro information { } #define GUI_LINES"
tc D:\xrd\batch\base "macro filename {d:} macro information { } #define GUI_LINES"
tc D:\xrd\batch\base "macro filename {abc'd.xy} macro information { } #define GUI_LINES"
