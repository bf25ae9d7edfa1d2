copy C:\lab\batch\sample.inp C:\lab\batch\sample_orig.inp
del C:\lab\batch\sample.out
tc C:\lab\batch\sample "macro filename {s01} macro information {﻿TEMP 100 } #define GUI_LINES"
tc C:\lab\batch\sample "macro filename {s02} macro information {TEMP 300 } #define GUI_LINES"
