// The VST 2 extensions on top of AudioEffect: the opcodes from 25 on and the
// host calls that go with them.
#pragma once

#include "host/AudioEffect.h"

class AudioEffectX : public AudioEffect
{
public:
	using AudioEffect::AudioEffect;

	VstIntPtr dispatcher(VstInt32 opcode, VstInt32 index, VstIntPtr value, void *ptr, float opt) override;

	virtual VstInt32 processEvents(VstEvents * /*events*/)
	{
		return 0;
	}
	virtual bool canParameterBeAutomated(VstInt32 /*index*/)
	{
		return true;
	}
	virtual bool string2parameter(VstInt32 /*index*/, char * /*text*/)
	{
		return false;
	}
	virtual bool getProgramNameIndexed(VstInt32 /*category*/, VstInt32 /*index*/, char * /*text*/)
	{
		return false;
	}
	virtual bool copyProgram(VstInt32 /*destination*/)
	{
		return false;
	}
	virtual bool getInputProperties(VstInt32 /*index*/, VstPinProperties * /*properties*/)
	{
		return false;
	}
	virtual bool getOutputProperties(VstInt32 /*index*/, VstPinProperties * /*properties*/)
	{
		return false;
	}
	virtual VstPlugCategory getPlugCategory()
	{
		return kPlugCategUnknown;
	}
	virtual bool getEffectName(char * /*name*/)
	{
		return false;
	}
	virtual bool getVendorString(char * /*text*/)
	{
		return false;
	}
	virtual bool getProductString(char * /*text*/)
	{
		return false;
	}
	virtual VstInt32 getVendorVersion()
	{
		return 0;
	}
	virtual VstInt32 canDo(char * /*text*/)
	{
		return 0;
	}
	virtual VstInt32 getGetTailSize()
	{
		return 0;
	}
	virtual bool getParameterProperties(VstInt32 /*index*/, VstParameterProperties * /*properties*/)
	{
		return false;
	}
	// A host's own request; 0 when not understood.
	virtual VstIntPtr vendorSpecific(VstInt32 /*index*/, VstIntPtr /*value*/, void * /*ptr*/, float /*opt*/)
	{
		return 0;
	}
	virtual bool keysRequired()
	{
		return true;
	}

	// Host calls; each answers 0, false or null without a callback.
	VstTimeInfo *getTimeInfo(VstInt32 filter) const;
	VstInt32 getNumAutomatableParameters() const;
	VstInt32 getParameterQuantization() const;
	// Without a callback every channel counts as connected.
	bool isInputConnected(VstInt32 chn) const;
	bool isOutputConnected(VstInt32 chn) const;
	const char *getDirectory() const;
	bool canHostDo(const char *text_0) const;
	bool sizeWindow(VstInt32 width, VstInt32 height) const;
	bool wantEvents(VstInt32 filter = 1) const;
	bool sendVstEventsToHost(VstEvents *events) const;
};
