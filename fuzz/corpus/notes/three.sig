one
^~-^,./
two
^~-^,./
three
^~-^,./
