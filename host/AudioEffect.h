// The plug-in side of the VST 2 record: owns the AEffect handed to the host,
// routes the four record functions and the basic dispatcher opcodes to virtual
// operations, and wraps the host callback.
#pragma once

#include "host/AEffEditor.h"
#include "host/Vst2Interface.h"

#include <atomic>
#include <memory>

class AudioEffect
{
public:
	AudioEffect(audioMasterCallback host_callback, VstInt32 nbr_programs, VstInt32 nbr_params);
	AudioEffect(const AudioEffect &) = delete;
	AudioEffect &operator=(const AudioEffect &) = delete;
	virtual ~AudioEffect() = default;

	AEffect *getAeffect() noexcept
	{
		return &_effect;
	}
	audioMasterCallback get_host_callback() const noexcept
	{
		return _host_callback;
	}

	// The opcodes of the record's dispatcher. The record's functions catch
	// whatever these throw: an exception never reaches the host.
	virtual VstIntPtr dispatcher(VstInt32 opcode, VstInt32 index, VstIntPtr value, void *ptr, float opt);

	virtual void setParameter(VstInt32 /*index*/, float /*value*/) {}
	virtual float getParameter(VstInt32 /*index*/)
	{
		return 0;
	}
	virtual void process(float ** /*inputs*/, float ** /*outputs*/, VstInt32 /*nbr_spl*/) {}
	virtual void processReplacing(float ** /*inputs*/, float ** /*outputs*/, VstInt32 /*nbr_spl*/) {}
	virtual void setProgram(VstInt32 program)
	{
		_cur_program.store(program, std::memory_order_release);
	}
	virtual VstInt32 getProgram()
	{
		return _cur_program.load(std::memory_order_acquire);
	}
	virtual void setProgramName(char * /*name*/) {}
	virtual void getProgramName(char *name)
	{
		*name = '\0';
	}
	virtual void getParameterLabel(VstInt32 /*index*/, char * /*label*/) {}
	virtual void getParameterDisplay(VstInt32 /*index*/, char * /*text*/) {}
	virtual void getParameterName(VstInt32 /*index*/, char * /*text*/) {}
	virtual VstInt32 getChunk(void ** /*data*/, bool /*is_preset*/)
	{
		return 0;
	}
	virtual VstInt32 setChunk(void * /*data*/, VstInt32 /*size*/, bool /*is_preset*/)
	{
		return 0;
	}
	virtual void setSampleRate(float rate)
	{
		_sample_rate = rate;
	}
	virtual void setBlockSize(VstInt32 size)
	{
		_block_size = size;
	}
	// The silence a failed processing call leaves in the host's buffers.
	void clear_outputs(float **outputs, VstInt32 nbr_spl) const noexcept;
	virtual void suspend() {}
	virtual void resume() {}

	float getSampleRate() const noexcept
	{
		return _sample_rate;
	}
	VstInt32 getBlockSize() const noexcept
	{
		return _block_size;
	}
	VstInt32 get_nbr_programs() const noexcept
	{
		return _nbr_programs;
	}

	// Record settings.
	void setUniqueID(VstInt32 id) noexcept
	{
		_effect.uniqueID = id;
	}
	void setNumInputs(VstInt32 n) noexcept
	{
		_effect.numInputs = n;
	}
	void setNumOutputs(VstInt32 n) noexcept
	{
		_effect.numOutputs = n;
	}
	void canProcessReplacing(bool state) noexcept;
	void programsAreChunks(bool state) noexcept;
	void isSynth(bool state) noexcept;
	void hasEditor(bool state) noexcept;
	// Owned from now on; the record says the plug-in has an editor.
	void setEditor(AEffEditor *editor_ptr);
	AEffEditor *getEditor() const noexcept
	{
		return _editor.get();
	}

	// Host callback wrappers; each answers 0 without a callback.
	VstIntPtr call_host(VstInt32 opcode, VstInt32 index = 0, VstIntPtr value = 0, void *ptr = nullptr,
	                    float opt = 0) const;
	VstInt32 getMasterVersion() const;
	void updateDisplay() const;
	// A user's gesture on a parameter begins and ends: hosts write touch
	// automation in between.
	void beginEdit(VstInt32 index) const
	{
		call_host(audioMasterBeginEdit, index);
	}
	void endEdit(VstInt32 index) const
	{
		call_host(audioMasterEndEdit, index);
	}

protected:
	float _sample_rate = 44100;
	VstInt32 _block_size = 1024;
	VstInt32 _nbr_programs;
	VstInt32 _nbr_params;
	// Changed by program calls, read by any thread the host calls from.
	std::atomic<VstInt32> _cur_program{0};

private:
	static VstIntPtr dispatch_effect(AEffect *effect, VstInt32 opcode, VstInt32 index, VstIntPtr value, void *ptr,
	                                 float opt);
	static void process_effect(AEffect *effect, float **inputs, float **outputs, VstInt32 nbr_spl);
	static void process_effect_replacing(AEffect *effect, float **inputs, float **outputs, VstInt32 nbr_spl);
	static void set_parameter_effect(AEffect *effect, VstInt32 index, float value);
	static float get_parameter_effect(AEffect *effect, VstInt32 index);

	audioMasterCallback _host_callback;
	AEffect _effect;
	// Goes last, after the derived plug-in and what it owns.
	std::unique_ptr<AEffEditor> _editor;
};
