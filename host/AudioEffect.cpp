// The VST 2 record and the basic dispatcher.
#include "host/AudioEffect.h"

#include <cstring>

AudioEffect::AudioEffect(audioMasterCallback host_callback, VstInt32 nbr_programs, VstInt32 nbr_params)
: _nbr_programs(nbr_programs), _nbr_params(nbr_params), _host_callback(host_callback)
{
	std::memset(&_effect, 0, sizeof(_effect));
	_effect.magic = kEffectMagic;
	_effect.dispatcher = &dispatch_effect;
	_effect.process = &process_effect;
	_effect.setParameter = &set_parameter_effect;
	_effect.getParameter = &get_parameter_effect;
	_effect.processReplacing = &process_effect_replacing;
	_effect.numPrograms = nbr_programs;
	_effect.numParams = nbr_params;
	_effect.numInputs = 1;
	_effect.numOutputs = 2;
	_effect.ioRatio = 1;
	_effect.object = this;
	_effect.version = 1;
}

void AudioEffect::canProcessReplacing(bool state) noexcept
{
	_effect.flags = state ? (_effect.flags | effFlagsCanReplacing) : (_effect.flags & ~effFlagsCanReplacing);
}

void AudioEffect::programsAreChunks(bool state) noexcept
{
	_effect.flags = state ? (_effect.flags | effFlagsProgramChunks) : (_effect.flags & ~effFlagsProgramChunks);
}

void AudioEffect::isSynth(bool state) noexcept
{
	_effect.flags = state ? (_effect.flags | effFlagsIsSynth) : (_effect.flags & ~effFlagsIsSynth);
}

void AudioEffect::setEditor(AEffEditor *editor_ptr)
{
	_editor.reset(editor_ptr);
	hasEditor(editor_ptr != nullptr);
}

void AudioEffect::hasEditor(bool state) noexcept
{
	_effect.flags = state ? (_effect.flags | effFlagsHasEditor) : (_effect.flags & ~effFlagsHasEditor);
}

VstIntPtr AudioEffect::call_host(VstInt32 opcode, VstInt32 index, VstIntPtr value, void *ptr, float opt) const
{
	return _host_callback != nullptr
	          ? _host_callback(const_cast<AEffect *>(&_effect), opcode, index, value, ptr, opt)
	          : 0;
}

VstInt32 AudioEffect::getMasterVersion() const
{
	return VstInt32(call_host(audioMasterVersion));
}

void AudioEffect::updateDisplay() const
{
	call_host(audioMasterUpdateDisplay);
}

VstIntPtr AudioEffect::dispatcher(VstInt32 opcode, VstInt32 index, VstIntPtr value, void *ptr, float opt)
{
	switch (opcode)
	{
	case effOpen: return 0;
	case effClose: return 1;
	case effSetProgram:
		if (value >= 0 && value < _nbr_programs)
		{
			setProgram(VstInt32(value));
		}
		return 0;
	case effGetProgram: return getProgram();
	case effSetProgramName: setProgramName(static_cast<char *>(ptr)); return 0;
	case effGetProgramName: getProgramName(static_cast<char *>(ptr)); return 0;
	case effGetParamLabel: getParameterLabel(index, static_cast<char *>(ptr)); return 0;
	case effGetParamDisplay: getParameterDisplay(index, static_cast<char *>(ptr)); return 0;
	case effGetParamName: getParameterName(index, static_cast<char *>(ptr)); return 0;
	case effGetVu: return 0;
	case effSetSampleRate: setSampleRate(opt); return 0;
	case effSetBlockSize: setBlockSize(VstInt32(value)); return 0;
	case effMainsChanged: value == 0 ? suspend() : resume(); return 0;
	case effIdentify: return ('N' << 24) | ('v' << 16) | ('E' << 8) | 'f';
	case effGetChunk: return ptr != nullptr ? getChunk(static_cast<void **>(ptr), index != 0) : 0;
	case effSetChunk:
		return (ptr != nullptr && value > 0) ? setChunk(ptr, VstInt32(value), index != 0) : 0;
	case effEditGetRect:
	{
		ERect *rect_ptr = nullptr;
		const bool ok = (_editor != nullptr) && _editor->getRect(&rect_ptr);
		if (ptr != nullptr)
		{
			*static_cast<ERect **>(ptr) = ok ? rect_ptr : nullptr;
		}
		return ok ? 1 : 0;
	}
	case effEditOpen: return (_editor != nullptr && _editor->open(ptr)) ? 1 : 0;
	case effEditClose:
		if (_editor != nullptr)
		{
			_editor->close();
		}
		return 0;
	case effEditIdle:
		if (_editor != nullptr)
		{
			_editor->idle();
		}
		return 0;
	// Keys the editor does not use stay with the host's shortcuts.
	case effEditKeyDown:
	case effEditKeyUp: return 0;
	default: return 0;
	}
}

VstIntPtr AudioEffect::dispatch_effect(AEffect *effect, VstInt32 opcode, VstInt32 index, VstIntPtr value, void *ptr,
                                       float opt)
{
	auto *self = (effect != nullptr) ? static_cast<AudioEffect *>(effect->object) : nullptr;
	if (self == nullptr)
	{
		return 0;
	}
	VstIntPtr ret = 0;
	try
	{
		ret = self->dispatcher(opcode, index, value, ptr, opt);
	}
	catch (...)
	{
		ret = 0;  // the documented answer of a request that could not be served
	}
	if (opcode == effClose)
	{
		effect->object = nullptr;
		try
		{
			delete self;
		}
		catch (...)
		{
		}
		return 1;
	}
	return ret;
}

void AudioEffect::clear_outputs(float **outputs, VstInt32 nbr_spl) const noexcept
{
	if (outputs == nullptr || nbr_spl <= 0)
	{
		return;
	}
	for (VstInt32 c = 0; c < _effect.numOutputs; ++c)
	{
		if (outputs[c] != nullptr)
		{
			std::memset(outputs[c], 0, sizeof(float) * size_t(nbr_spl));
		}
	}
}

void AudioEffect::process_effect(AEffect *effect, float **inputs, float **outputs, VstInt32 nbr_spl)
{
	auto *self = (effect != nullptr) ? static_cast<AudioEffect *>(effect->object) : nullptr;
	if (self == nullptr)
	{
		return;
	}
	try
	{
		self->process(inputs, outputs, nbr_spl);
	}
	catch (...)
	{
		// Accumulating: adding nothing is the silence of this block.
	}
}

void AudioEffect::process_effect_replacing(AEffect *effect, float **inputs, float **outputs, VstInt32 nbr_spl)
{
	auto *self = (effect != nullptr) ? static_cast<AudioEffect *>(effect->object) : nullptr;
	if (self == nullptr)
	{
		return;
	}
	try
	{
		self->processReplacing(inputs, outputs, nbr_spl);
	}
	catch (...)
	{
		self->clear_outputs(outputs, nbr_spl);
	}
}

void AudioEffect::set_parameter_effect(AEffect *effect, VstInt32 index, float value)
{
	auto *self = (effect != nullptr) ? static_cast<AudioEffect *>(effect->object) : nullptr;
	if (self == nullptr)
	{
		return;
	}
	try
	{
		self->setParameter(index, value);
	}
	catch (...)
	{
		// The value is not taken; the state stays as it was.
	}
}

float AudioEffect::get_parameter_effect(AEffect *effect, VstInt32 index)
{
	auto *self = (effect != nullptr) ? static_cast<AudioEffect *>(effect->object) : nullptr;
	if (self == nullptr)
	{
		return 0.0f;
	}
	try
	{
		return self->getParameter(index);
	}
	catch (...)
	{
		return 0.0f;
	}
}
