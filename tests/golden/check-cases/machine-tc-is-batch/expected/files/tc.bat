stand-in
