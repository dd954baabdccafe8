// The indices of the engine's parameters, in the order it registers them:
// the globals, then 28 per voice from 11 (an LFO's period, shape and depth
// follow its parameter).
#pragma once

struct ParamIndex
{
	static constexpr int TEMPO = 0;
	static constexpr int MASTER_VOL = 1;
	static constexpr int COLORED_VOL = 2;
	static constexpr int TONE_X = 3;
	static constexpr int TONE_Y = 7;
	static constexpr int voice(int k, int offset)
	{
		return 11 + 28 * k + offset;
	}
	// Offsets inside a voice.
	enum Voice
	{
		GAIN = 0,
		PAN = 1,
		DEPTH = 5,
		HOLD = 6,
		PERIOD = 7,
		MAN_PHASE = 11,
		FDBK_LVL = 15,
		FDBK_COL = 19,
		BPF_FREQ = 23,
		BPF_Q = 27,
		LFO_PER = 1,
		LFO_WF = 2,
		LFO_DEPTH = 3
	};
};
