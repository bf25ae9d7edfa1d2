copy batchbase.inp batchbase_orig.inp
del batchbase.out
tc batchbase "macro filename {s01} macro information { } #define GUI_LINES"
tc batchbase "macro filename {s02} macro information { } #define GUI_LINES"
