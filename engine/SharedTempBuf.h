// The two-channel frame-sized scratch buffer the engine lends to its voices in turn.
#pragma once

#include "sys/Array.h"

class SharedTempBuf
{
public:
	static constexpr int FRAME_LEN = 256;

	virtual ~SharedTempBuf() = default;

	basic::Array<basic::Array<float, FRAME_LEN>, 2> _buf;
};
