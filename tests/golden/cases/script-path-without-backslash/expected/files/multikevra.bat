copy D:\xrd\batchbase.inp D:\xrd\batchbase_orig.inp
del D:\xrd\batchbase.out
tc D:\xrd\batchbase "macro filename {s01} macro information { } #define GUI_LINES"
copy D:\xrd\batchbase.out D:\xrd\batchbase.inp
copy D:\xrd\batchresult.hkl D:\xrd\batchs01.hkl
