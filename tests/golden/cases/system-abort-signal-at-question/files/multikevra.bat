old script line 1
