// The VST 2 extended opcodes.
#include "host/AudioEffectX.h"

VstIntPtr AudioEffectX::dispatcher(VstInt32 opcode, VstInt32 index, VstIntPtr value, void *ptr, float opt)
{
	switch (opcode)
	{
	case effProcessEvents: return processEvents(static_cast<VstEvents *>(ptr));
	case effCanBeAutomated: return canParameterBeAutomated(index) ? 1 : 0;
	case effString2Parameter: return string2parameter(index, static_cast<char *>(ptr)) ? 1 : 0;
	case effGetNumProgramCategories: return 1;
	case effGetProgramNameIndexed:
		return ptr != nullptr && getProgramNameIndexed(VstInt32(value), index, static_cast<char *>(ptr)) ? 1 : 0;
	case effCopyProgram: return copyProgram(index) ? 1 : 0;
	case effConnectInput:
	case effConnectOutput: return 1;
	case effGetInputProperties:
		return ptr != nullptr && getInputProperties(index, static_cast<VstPinProperties *>(ptr)) ? 1 : 0;
	case effGetOutputProperties:
		return ptr != nullptr && getOutputProperties(index, static_cast<VstPinProperties *>(ptr)) ? 1 : 0;
	case effGetPlugCategory: return getPlugCategory();
	case effSetBlockSizeAndSampleRate:
		// Some hosts give the rate only here: it must reach the engine too.
		setBlockSize(VstInt32(value));
		setSampleRate(opt);
		return 1;
	case effGetEffectName: return ptr != nullptr && getEffectName(static_cast<char *>(ptr)) ? 1 : 0;
	case effGetVendorString: return ptr != nullptr && getVendorString(static_cast<char *>(ptr)) ? 1 : 0;
	case effGetProductString: return ptr != nullptr && getProductString(static_cast<char *>(ptr)) ? 1 : 0;
	case effGetVendorVersion: return getVendorVersion();
	case effCanDo: return ptr != nullptr ? canDo(static_cast<char *>(ptr)) : 0;
	case effGetTailSize: return getGetTailSize();
	case effGetParameterProperties:
		return ptr != nullptr && getParameterProperties(index, static_cast<VstParameterProperties *>(ptr)) ? 1 : 0;
	case effKeysRequired: return keysRequired() ? 0 : 1;
	case effVendorSpecific: return vendorSpecific(index, value, ptr, opt);
	case effGetVstVersion: return 2200;
	default: return AudioEffect::dispatcher(opcode, index, value, ptr, opt);
	}
}

VstTimeInfo *AudioEffectX::getTimeInfo(VstInt32 filter) const
{
	return reinterpret_cast<VstTimeInfo *>(call_host(audioMasterGetTime, 0, filter));
}

VstInt32 AudioEffectX::getNumAutomatableParameters() const
{
	return VstInt32(call_host(audioMasterGetNumAutomatableParameters));
}

VstInt32 AudioEffectX::getParameterQuantization() const
{
	return VstInt32(call_host(audioMasterGetParameterQuantization));
}

bool AudioEffectX::isInputConnected(VstInt32 chn) const
{
	// The host answers 0 for a connected channel.
	return get_host_callback() == nullptr || call_host(audioMasterPinConnected, chn, 0) == 0;
}

bool AudioEffectX::isOutputConnected(VstInt32 chn) const
{
	return get_host_callback() == nullptr || call_host(audioMasterPinConnected, chn, 1) == 0;
}

const char *AudioEffectX::getDirectory() const
{
	return reinterpret_cast<const char *>(call_host(audioMasterGetDirectory));
}

bool AudioEffectX::canHostDo(const char *text_0) const
{
	return call_host(audioMasterCanDo, 0, 0, const_cast<char *>(text_0)) != 0;
}

bool AudioEffectX::sizeWindow(VstInt32 width, VstInt32 height) const
{
	return call_host(audioMasterSizeWindow, width, height) != 0;
}

bool AudioEffectX::sendVstEventsToHost(VstEvents *events) const
{
	return call_host(audioMasterProcessEvents, 0, 0, events) == 1;
}

bool AudioEffectX::wantEvents(VstInt32 filter) const
{
	return call_host(audioMasterWantMidi, 0, filter) != 0;
}
