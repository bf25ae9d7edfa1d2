copy D:\xrd\batch\base.inp D:\xrd\batch\base_orig.inp
del D:\xrd\batch\base.out
tc D:\xrd\batch\base "macro filename {s01} macro information { } #define GUI_LINES"
copy D:\xrd\batch\base.out D:\xrd\batch\base.inp
copy D:\xrd\batch\refine.hkl D:\xrd\batch\s01.hkl
copy D:\xrd\batch\refine.lst D:\xrd\batch\s01_x.lst
copy D:\xrd\batch\refine.cif D:\xrd\batch\s01.cif
tc D:\xrd\batch\base "macro filename {s02} macro information { } #define GUI_LINES"
copy D:\xrd\batch\base.out D:\xrd\batch\base.inp
copy D:\xrd\batch\refine.hkl D:\xrd\batch\s02.hkl
copy D:\xrd\batch\refine.lst D:\xrd\batch\s02_x.lst
copy D:\xrd\batch\refine.cif D:\xrd\batch\s02.cif
