// A VST 2 plug-in that shows the host's doings in its output: channel 0 is
// its parameter "Level" (normalised), channel 1 the current program's index.
// Renders through it show when and to what a host set them, sample by sample.
#include "host/Vst2Interface.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace
{

struct Probe
{
	AEffect effect{};
	float level = 0;
	VstInt32 program = 0;
};

Probe &probe_of(AEffect *e)
{
	return *static_cast<Probe *>(e->object);
}

VstIntPtr dispatch(AEffect *e, VstInt32 opcode, VstInt32 index, VstIntPtr value, void *ptr, float)
{
	Probe &p = probe_of(e);
	static const char *const names[] = {"First", "Second", "Third"};
	switch (opcode)
	{
	case effClose: delete &p; return 1;
	case effSetProgram:
		// A program sets every parameter, as a real one does.
		p.program = VstInt32(value);
		p.level = 0;
		return 0;
	case effGetProgram: return p.program;
	case effGetProgramNameIndexed:
		if (index < 0 || index > 2)
		{
			return 0;
		}
		std::strcpy(static_cast<char *>(ptr), names[index]);
		return 1;
	case effGetParamName: std::strcpy(static_cast<char *>(ptr), "Level"); return 0;
	case effGetParamLabel: std::strcpy(static_cast<char *>(ptr), "%"); return 0;
	case effGetParamDisplay: std::snprintf(static_cast<char *>(ptr), 24, "%.1f", 100.0 * p.level); return 0;
	case effString2Parameter:
	{
		// Percent, as displayed.
		char *end_ptr = nullptr;
		const double v = std::strtod(static_cast<const char *>(ptr), &end_ptr);
		if (end_ptr == ptr || v < 0 || v > 100)
		{
			return 0;
		}
		p.level = float(v / 100);
		return 1;
	}
	default: return 0;
	}
}

void process(AEffect *e, float **, float **out, VstInt32 n)
{
	const Probe &p = probe_of(e);
	for (VstInt32 i = 0; i < n; ++i)
	{
		out[0][i] = p.level;
		out[1][i] = float(p.program);
	}
}

void set_param(AEffect *e, VstInt32, float v)
{
	probe_of(e).level = v;
}

float get_param(AEffect *e, VstInt32)
{
	return probe_of(e).level;
}

}  // namespace

extern "C" __attribute__((visibility("default"))) AEffect *VSTPluginMain(audioMasterCallback)
{
	auto *p = new Probe;
	AEffect &e = p->effect;
	e.magic = kEffectMagic;
	e.dispatcher = &dispatch;
	e.processReplacing = &process;
	e.setParameter = &set_param;
	e.getParameter = &get_param;
	e.numPrograms = 3;
	e.numParams = 1;
	e.numInputs = 2;
	e.numOutputs = 2;
	e.flags = effFlagsCanReplacing;
	e.object = p;
	return &e;
}
