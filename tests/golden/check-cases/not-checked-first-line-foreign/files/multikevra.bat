@echo off
copy C:\lab\batch\sample.inp C:\lab\batch\sample_orig.inp
