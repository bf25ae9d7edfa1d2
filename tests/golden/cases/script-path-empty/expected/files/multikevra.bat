copy base.inp base_orig.inp
del base.out
tc base "macro filename {s01} macro information { } #define GUI_LINES"
copy base.out base.inp
copy result.hkl s01.hkl
