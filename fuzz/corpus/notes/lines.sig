Hello
World
^~-^,./
top

bottom
^~-^,./

^~-^,./
