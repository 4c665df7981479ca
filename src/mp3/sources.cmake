# Files of this folder go into the layer targets; paths relative to src/.
