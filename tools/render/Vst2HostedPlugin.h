// One VST 2 plug-in loaded from its shared object and driven as a host does:
// the entry point, the dispatcher, parameters, programs, chunks and
// processing, with the host side answering time and connection requests.
#pragma once

#include "host/Vst2Interface.h"

#include <string>
#include <vector>

namespace rivo
{

class Vst2HostedPlugin
{
public:
	// Loads and opens the plug-in; RenderError (Status_PLUGIN) when the file
	// is no VST 2 plug-in or its entry point gives no effect.
	explicit Vst2HostedPlugin(const std::string &path);
	Vst2HostedPlugin(const Vst2HostedPlugin &) = delete;
	Vst2HostedPlugin &operator=(const Vst2HostedPlugin &) = delete;
	~Vst2HostedPlugin();

	int get_nbr_inputs() const noexcept
	{
		return _effect->numInputs;
	}
	int get_nbr_outputs() const noexcept
	{
		return _effect->numOutputs;
	}
	int get_nbr_params() const noexcept
	{
		return _effect->numParams;
	}
	int get_nbr_programs() const noexcept
	{
		return _effect->numPrograms;
	}
	bool has_chunks() const noexcept
	{
		return (_effect->flags & effFlagsProgramChunks) != 0;
	}

	std::string get_param_name(int index);
	// The name of up to 63 characters from the parameter's properties; the
	// host name (cut to 22) when the plug-in gives no properties.
	std::string get_param_full_name(int index);
	// The plug-in reads a text in the units it shows; false when it cannot.
	bool set_param_text(int index, const std::string &txt);
	std::string get_param_display(int index);
	std::string get_param_label(int index);
	float get_param(int index);
	void set_param(int index, float nval);
	std::string get_program_name(int index);
	void set_program(int index);
	int get_program();

	std::vector<unsigned char> get_chunk(bool program);
	// False when the plug-in does not take the chunk.
	bool set_chunk(const std::vector<unsigned char> &data, bool program);

	// Sample rate, block size and tempo, then the plug-in is switched on;
	// time starts at sample 0 with the transport playing.
	void start(double sample_rate, int max_block, double tempo);
	// Replacing processing of n samples; time moves on by n.
	void process(float **in, float **out, int n);

private:
	static VstIntPtr host_callback(AEffect *effect, VstInt32 opcode, VstInt32 index, VstIntPtr value, void *ptr,
	                               float opt);
	VstIntPtr answer(VstInt32 opcode, VstInt32 index, VstIntPtr value);
	VstIntPtr dispatch(VstInt32 opcode, VstInt32 index = 0, VstIntPtr value = 0, void *ptr = nullptr, float opt = 0);
	std::string text(VstInt32 opcode, VstInt32 index);
	void close() noexcept;

	void *_lib_ptr = nullptr;
	AEffect *_effect = nullptr;
	VstTimeInfo _time{};
	int _max_block = 0;
};

}  // namespace rivo
