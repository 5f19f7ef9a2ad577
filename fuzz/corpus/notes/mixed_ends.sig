one
^~-^,./
twolines
^~-^,./
cut
