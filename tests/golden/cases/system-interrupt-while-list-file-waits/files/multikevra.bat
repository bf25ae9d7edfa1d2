old script line 1
old script line 2
old script line 3
old script line 4
old script line 5
old script line 6
