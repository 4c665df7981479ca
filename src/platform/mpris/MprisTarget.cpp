#include "MprisTarget.h"

#include "moc_MprisTarget.cpp"
