copy D:\xrd\batch\base.inp D:\xrd\batch\base_orig.inp
del D:\xrd\batch\base.out
tc D:\xrd\batch\base "macro filename {e00} macro information {a            b } #define GUI_LINES"
tc D:\xrd\batch\base "macro filename {e01} macro information {a } #define GUI_LINES"
tc D:\xrd\batch\base "macro filename {e02} macro information { } #define GUI_LINES"
tc D:\xrd\batch\base "macro filename {e03} macro information { } #define GUI_LINES"
tc D:\xrd\batch\base "macro filename {e04} macro information {tab																					kept } #define GUI_LINES"
tc D:\xrd\batch\base "macro filename {e05} macro information {ppppppppppppppppppppppppppppppppppppppppppppppppppppppppppppppppppppppppppppppppppppppppppppppppppppppppppppppppppppppppppppppppppppppppppppppppppppppppppppppppppppppp } #define GUI_LINES"
tc D:\xrd\batch\base "macro filename {e06} macro information {qqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqq } #define GUI_LINES"
tc D:\xrd\batch\base "macro filename {e07} macro information {rrrrrrrrrrrrrrrrrrrrrrrrrrrrrrrrrrrrrrrrrrrrrrrrrrrrrrrrrrrrrrrrrrrrrrrrrrrrrrrrrrrrrrrrrrrrrrrrrrrrrrrrrrrrrrrrrrrrrrrrrrrrrrrrrrrrrrrrrrrrrrrrrrrrrrrrrrrrrrrrrrrrrrrrrrrrrrrrrrr } #define GUI_LINES"
tc D:\xrd\batch\base "macro filename {e08} macro information {ssssssssssssssssssssssssssssssssssssssssssssssssssssssssssssssssssssssssssssssssssssssssssssssssssssssssssssssssssssssssssssssssssssssssssssssssssssssssssssssssssssssssssssssssssss} #define GUI_LINES"
tc D:\xrd\batch\base "macro filename {e09} macro information {tttttttttttttttttttttttttttttttttttttttttttttttttttttttttttttttttttttttttttttttttttttttttttttttttttttttttttttttttttttttttttttttttttttttttttttttttttttttttttttttttttttttttttttttttttt} #define GUI_LINES"
tc D:\xrd\batch\base "macro filename {e10} macro information {word } #define GUI_LINES"
tc D:\xrd\batch\base "macro filename {e11} macro information {  lead two  blanks } #define GUI_LINES"
