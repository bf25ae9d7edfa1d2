copy C:\lab\batch\sample.inp C:\lab\batch\sample_orig.inp
del C:\lab\batch\sample.out
tc C:\lab\batch\sample "macro filename {﻿s01} macro information { } #define GUI_LINES"
copy C:\lab\batch\sample.out C:\lab\batch\sample.inp
copy C:\lab\batch\sample.hkl C:\lab\batch\﻿s01.hkl
copy C:\lab\batch\sample.par C:\lab\batch\﻿s01.par
tc C:\lab\batch\sample "macro filename {s02} macro information { } #define GUI_LINES"
copy C:\lab\batch\sample.out C:\lab\batch\sample.inp
copy C:\lab\batch\sample.hkl C:\lab\batch\s02.hkl
copy C:\lab\batch\sample.par C:\lab\batch\s02.par
