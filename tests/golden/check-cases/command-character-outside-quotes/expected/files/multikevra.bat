copy C:\lab\batch\sample.inp C:\lab\batch\sample_orig.inp
del C:\lab\batch\sample.out
tc C:\lab\batch\sample "macro filename {r&d} macro information { } #define GUI_LINES"
copy C:\lab\batch\refine.hkl C:\lab\batch\r&d.hkl
tc C:\lab\batch\sample "macro filename {a>b^c} macro information { } #define GUI_LINES"
copy C:\lab\batch\refine.hkl C:\lab\batch\a>b^c.hkl
tc C:\lab\batch\sample "macro filename {p|q} macro information { } #define GUI_LINES"
copy C:\lab\batch\refine.hkl C:\lab\batch\p|q.hkl
