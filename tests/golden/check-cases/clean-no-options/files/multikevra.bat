copy base.inp base_orig.inp
del base.out
tc base "macro filename {s01} macro information { } #define GUI_LINES"
tc base "macro filename {s02} macro information { } #define GUI_LINES"
tc base "macro filename {s03} macro information { } #define GUI_LINES"
