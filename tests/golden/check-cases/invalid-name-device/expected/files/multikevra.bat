copy C:\lab\batch\sample.inp C:\lab\batch\sample_orig.inp
del C:\lab\batch\sample.out
tc C:\lab\batch\sample "macro filename {nul} macro information { } #define GUI_LINES"
copy C:\lab\batch\kevra.hkl C:\lab\batch\nul.hkl
tc C:\lab\batch\sample "macro filename {con} macro information { } #define GUI_LINES"
copy C:\lab\batch\kevra.hkl C:\lab\batch\con.hkl
tc C:\lab\batch\sample "macro filename {aux} macro information { } #define GUI_LINES"
copy C:\lab\batch\kevra.hkl C:\lab\batch\aux.hkl
tc C:\lab\batch\sample "macro filename {lpt1.xy} macro information { } #define GUI_LINES"
copy C:\lab\batch\kevra.hkl C:\lab\batch\lpt1.xy.hkl
tc C:\lab\batch\sample "macro filename {COM3.dat} macro information { } #define GUI_LINES"
copy C:\lab\batch\kevra.hkl C:\lab\batch\COM3.dat.hkl
tc C:\lab\batch\sample "macro filename {com10.xy} macro information { } #define GUI_LINES"
copy C:\lab\batch\kevra.hkl C:\lab\batch\com10.xy.hkl
tc C:\lab\batch\sample "macro filename {conx.xy} macro information { } #define GUI_LINES"
copy C:\lab\batch\kevra.hkl C:\lab\batch\conx.xy.hkl
tc C:\lab\batch\sample "macro filename {nul_a} macro information { } #define GUI_LINES"
copy C:\lab\batch\kevra.hkl C:\lab\batch\nul_a.hkl
tc C:\lab\batch\sample "macro filename {lpt} macro information { } #define GUI_LINES"
copy C:\lab\batch\kevra.hkl C:\lab\batch\lpt.hkl
