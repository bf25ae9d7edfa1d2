old script line 1
old script line 2
