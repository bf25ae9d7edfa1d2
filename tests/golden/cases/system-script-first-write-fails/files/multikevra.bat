old script line 1
old script line 2
old script line 3
