#pragma once

#include "EncoderLibrary.h"

struct EncoderConfig;
struct lame_global_struct;

// Sets libmp3lame up as a configuration record asks and initialises it. Returns
// BE_ERR_INVALID_FORMAT_PARAMETERS for an unknown preset or mode, a rate out of range, or
// settings the library refuses.
BE_ERR applyEncoderConfig(lame_global_struct *flags, const EncoderConfig &config);
