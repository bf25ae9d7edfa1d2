copy D:\xrd\batch\base.inp D:\xrd\batch\base_orig.inp
del D:\xrd\batch\base.out
tc D:\xrd\batch\base "macro filename {s01} macro information { } #define GUI_LINES"
copy D:\xrd\batch\a_very_long_output_f D:\xrd\batch\s01  sfx
copy D:\xrd\batch\short.lst D:\xrd\batch\s01suffix_without_do
tc D:\xrd\batch\base "macro filename {name_with_20_chars_x} macro information { } #define GUI_LINES"
copy D:\xrd\batch\a_very_long_output_f D:\xrd\batch\name_with_20_chars_x
copy D:\xrd\batch\short.lst D:\xrd\batch\name_with_20_chars_x
