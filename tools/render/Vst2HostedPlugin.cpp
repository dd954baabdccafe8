// Host side of the VST 2 interface for the render tool.
#include "tools/render/Vst2HostedPlugin.h"

#include "tools/render/RenderError.h"

#include <dlfcn.h>

#include <cmath>
#include <cstring>
#include <vector>

namespace rivo
{

namespace
{

// The entry point runs before the effect exists, so its calls to the host find
// the host through this instead of the effect's user field.
thread_local Vst2HostedPlugin *creating_ptr = nullptr;

using EntryProc = AEffect *(*)(audioMasterCallback);

// The longest text any opcode may write; buffers are larger still, since
// plug-ins overrun the nominal limits.
constexpr size_t TEXT_BUF_LEN = 256;

}  // namespace

Vst2HostedPlugin::Vst2HostedPlugin(const std::string &path)
{
	_lib_ptr = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
	if (_lib_ptr == nullptr)
	{
		const char *err = dlerror();
		throw RenderError(RenderError::Status_PLUGIN,
		                  "cannot load the plug-in " + path + ": " + (err != nullptr ? err : "unknown reason"));
	}
	auto entry = reinterpret_cast<EntryProc>(dlsym(_lib_ptr, "VSTPluginMain"));
	if (entry == nullptr)
	{
		entry = reinterpret_cast<EntryProc>(dlsym(_lib_ptr, "main"));
	}
	if (entry == nullptr)
	{
		entry = reinterpret_cast<EntryProc>(dlsym(_lib_ptr, "main_plugin"));
	}
	if (entry == nullptr)
	{
		dlclose(_lib_ptr);
		throw RenderError(RenderError::Status_PLUGIN, path + " is not a VST 2 plug-in (no entry point)");
	}
	creating_ptr = this;
	_effect = entry(&host_callback);
	creating_ptr = nullptr;
	if (_effect == nullptr || _effect->magic != kEffectMagic)
	{
		_effect = nullptr;
		dlclose(_lib_ptr);
		throw RenderError(RenderError::Status_PLUGIN, path + " gave no VST 2 effect");
	}
	_effect->user = this;
	dispatch(effOpen);
}

Vst2HostedPlugin::~Vst2HostedPlugin()
{
	close();
}

void Vst2HostedPlugin::close() noexcept
{
	if (_effect != nullptr)
	{
		if (_max_block > 0)
		{
			dispatch(effMainsChanged, 0, 0);
		}
		dispatch(effClose);
		_effect = nullptr;
	}
	if (_lib_ptr != nullptr)
	{
		dlclose(_lib_ptr);
		_lib_ptr = nullptr;
	}
}

VstIntPtr Vst2HostedPlugin::host_callback(AEffect *effect, VstInt32 opcode, VstInt32 index, VstIntPtr value,
                                          void *ptr, float /*opt*/)
{
	Vst2HostedPlugin *host_ptr = creating_ptr;
	if (effect != nullptr && effect->user != nullptr)
	{
		host_ptr = static_cast<Vst2HostedPlugin *>(effect->user);
	}
	if (opcode == audioMasterVersion)
	{
		return 2400;
	}
	if (opcode == audioMasterCanDo && ptr != nullptr)
	{
		const char *what = static_cast<const char *>(ptr);
		return std::strcmp(what, "sendVstTimeInfo") == 0 ? 1 : 0;
	}
	return host_ptr != nullptr ? host_ptr->answer(opcode, index, value) : 0;
}

VstIntPtr Vst2HostedPlugin::answer(VstInt32 opcode, VstInt32 index, VstIntPtr value)
{
	switch (opcode)
	{
	case audioMasterGetTime: return _max_block > 0 ? reinterpret_cast<VstIntPtr>(&_time) : 0;
	case audioMasterGetSampleRate: return VstIntPtr(_time.sampleRate);
	case audioMasterGetBlockSize: return _max_block;
	case audioMasterPinConnected:
	{
		// 0 means connected: every pin the plug-in declares is in use.
		const int nbr = value != 0 ? get_nbr_outputs() : get_nbr_inputs();
		return index >= 0 && index < nbr ? 0 : 1;
	}
	default: return 0;
	}
}

VstIntPtr Vst2HostedPlugin::dispatch(VstInt32 opcode, VstInt32 index, VstIntPtr value, void *ptr, float opt)
{
	return _effect->dispatcher(_effect, opcode, index, value, ptr, opt);
}

std::string Vst2HostedPlugin::text(VstInt32 opcode, VstInt32 index)
{
	char buf[TEXT_BUF_LEN] = {};
	dispatch(opcode, index, 0, buf);
	buf[TEXT_BUF_LEN - 1] = '\0';
	return buf;
}

std::string Vst2HostedPlugin::get_param_name(int index)
{
	return text(effGetParamName, index);
}

std::string Vst2HostedPlugin::get_param_full_name(int index)
{
	VstParameterProperties props{};
	if (dispatch(effGetParameterProperties, index, 0, &props) != 0)
	{
		props.label[sizeof(props.label) - 1] = '\0';
		if (props.label[0] != '\0')
		{
			return props.label;
		}
	}
	return get_param_name(index);
}

bool Vst2HostedPlugin::set_param_text(int index, const std::string &txt)
{
	std::vector<char> buf(txt.begin(), txt.end());
	buf.push_back('\0');
	return dispatch(effString2Parameter, index, 0, buf.data()) != 0;
}

std::string Vst2HostedPlugin::get_param_display(int index)
{
	return text(effGetParamDisplay, index);
}

std::string Vst2HostedPlugin::get_param_label(int index)
{
	return text(effGetParamLabel, index);
}

float Vst2HostedPlugin::get_param(int index)
{
	return _effect->getParameter(_effect, index);
}

void Vst2HostedPlugin::set_param(int index, float nval)
{
	_effect->setParameter(_effect, index, nval);
}

std::string Vst2HostedPlugin::get_program_name(int index)
{
	return text(effGetProgramNameIndexed, index);
}

void Vst2HostedPlugin::set_program(int index)
{
	dispatch(effSetProgram, 0, index);
}

int Vst2HostedPlugin::get_program()
{
	return int(dispatch(effGetProgram));
}

std::vector<unsigned char> Vst2HostedPlugin::get_chunk(bool program)
{
	void *data_ptr = nullptr;
	const VstIntPtr size = dispatch(effGetChunk, program ? 1 : 0, 0, &data_ptr);
	if (size <= 0 || data_ptr == nullptr)
	{
		return {};
	}
	const auto *p = static_cast<const unsigned char *>(data_ptr);
	return std::vector<unsigned char>(p, p + size);
}

bool Vst2HostedPlugin::set_chunk(const std::vector<unsigned char> &data, bool program)
{
	// The plug-in may keep reading while it takes the chunk over, so it gets
	// a copy that lives through the call.
	std::vector<unsigned char> copy(data);
	return dispatch(effSetChunk, program ? 1 : 0, VstIntPtr(copy.size()), copy.data()) != 0;
}

void Vst2HostedPlugin::start(double sample_rate, int max_block, double tempo)
{
	_time = VstTimeInfo{};
	_time.sampleRate = sample_rate;
	_time.tempo = tempo;
	_time.timeSigNumerator = 4;
	_time.timeSigDenominator = 4;
	_time.flags = kVstTransportPlaying | kVstTempoValid | kVstPpqPosValid | kVstTimeSigValid;
	dispatch(effSetSampleRate, 0, 0, nullptr, float(sample_rate));
	dispatch(effSetBlockSize, 0, max_block);
	_max_block = max_block;
	dispatch(effMainsChanged, 0, 1);
}

void Vst2HostedPlugin::process(float **in, float **out, int n)
{
	_effect->processReplacing(_effect, in, out, n);
	_time.samplePos += n;
	_time.ppqPos = _time.samplePos / _time.sampleRate * _time.tempo / 60;
}

}  // namespace rivo
