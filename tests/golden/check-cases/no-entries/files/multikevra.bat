copy D:\xrd\base.inp D:\xrd\base_orig.inp
del D:\xrd\base.out
