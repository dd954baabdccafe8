#include "midi/PersistentMidiSettings.h"

#include "config/PersistentKeyList.h"
#include "sys/basic_fnc.h"

namespace rivo
{

const char *const PersistentMidiSettings::NRPN_COMPATIBILITY_KEY_VAL[2] = {"0", "1"};
const char *const PersistentMidiSettings::AUTOBIND_MODE_KEY_VAL[2] = {"0", "1"};

void PersistentMidiSettings::init(const char *plugin_name_0)
{
	// The backslash belongs to the folder's name: one folder per plug-in.
	_nrpn_path = std::string(PERSISTENT_KEY_PATH) + "\\" + ((plugin_name_0 != nullptr) ? plugin_name_0 : "");
	read_or_write(_nrpn_path, NRPN_COMPATIBILITY_KEY, NRPN_COMPATIBILITY_KEY_VAL, _nrpn);
	read_or_write(PERSISTENT_KEY_PATH, AUTOBIND_MODE_KEY, AUTOBIND_MODE_KEY_VAL, _autobind);
	_init_flag = true;
}

int PersistentMidiSettings::read_or_write(const std::string &path, const char *key_0, const char *const *texts,
                                          std::atomic<int> &value)
{
	try
	{
		sys::PersistentKeyList keys(path, true);
		std::string txt;
		if (keys.get_key(key_0, txt) == 0)
		{
			for (int v = 0; v < 2; ++v)
			{
				if (basic::strcmp_ci(txt.c_str(), texts[v]))
				{
					value.store(v);
					return 0;
				}
			}
		}
		return keys.set_key(key_0, texts[value.load() != 0]);
	}
	catch (...)
	{
		return -1;
	}
}

int PersistentMidiSettings::write(const std::string &path, const char *key_0, const char *text_0)
{
	try
	{
		sys::PersistentKeyList keys(path, true);
		return keys.set_key(key_0, text_0);
	}
	catch (...)
	{
		return -1;
	}
}

int PersistentMidiSettings::set_nrpn_compatibility(NrpnCompatibility v)
{
	const int ret = write(_nrpn_path, NRPN_COMPATIBILITY_KEY, NRPN_COMPATIBILITY_KEY_VAL[v != 0]);
	if (ret == 0)
	{
		_nrpn.store(v != 0);
	}
	return ret;
}

int PersistentMidiSettings::set_autobind_mode(AutobindMode v)
{
	const int ret = write(PERSISTENT_KEY_PATH, AUTOBIND_MODE_KEY, AUTOBIND_MODE_KEY_VAL[v != 0]);
	if (ret == 0)
	{
		_autobind.store(v != 0);
	}
	return ret;
}

}  // namespace rivo
