// The two MIDI preferences kept between runs: NRPN compatibility (whether
// the RPN and NRPN number controllers are taken the standard way or the old
// swapped way), kept for this plug-in, and the auto-bind mode, shared by the
// family of plug-ins.
#pragma once

#include <atomic>
#include <string>

namespace rivo
{

class PersistentMidiSettings
{
public:
	enum NrpnCompatibility
	{
		NrpnCompatibility_OLD_ERRONEOUS = 0,
		NrpnCompatibility_STANDARD = 1
	};
	enum AutobindMode
	{
		AutobindMode_ONE_SHOT = 0,
		AutobindMode_CONTINUOUS = 1
	};

	static constexpr const char *PERSISTENT_KEY_PATH = "Kestrom";
	static constexpr const char *NRPN_COMPATIBILITY_KEY = "NRPN Compatibility";
	static constexpr const char *AUTOBIND_MODE_KEY = "Autobind Mode";
	static const char *const NRPN_COMPATIBILITY_KEY_VAL[2];
	static const char *const AUTOBIND_MODE_KEY_VAL[2];

	PersistentMidiSettings() : _nrpn(_default_nrpn) {}
	PersistentMidiSettings(const PersistentMidiSettings &) = delete;
	PersistentMidiSettings &operator=(const PersistentMidiSettings &) = delete;

	// Reads both preferences, writing the current value back where an entry
	// is missing or unreadable. A settings folder that cannot be opened
	// leaves the values as they are.
	void init(const char *plugin_name_0);
	bool init_check() const noexcept
	{
		return _init_flag;
	}
	// Read by the MIDI threads.
	int get_nrpn_compatibility() const noexcept
	{
		return _nrpn.load(std::memory_order_relaxed);
	}
	// 0 when written; the value changes only then.
	int set_nrpn_compatibility(NrpnCompatibility v);
	int get_autobind_mode() const noexcept
	{
		return _autobind.load(std::memory_order_relaxed);
	}
	int set_autobind_mode(AutobindMode v);
	static void set_default_compatibility(NrpnCompatibility v) noexcept
	{
		_default_nrpn = v;
	}

private:
	// Reads the key into value (0 or 1) or writes value back; -1 when the
	// folder cannot be opened.
	static int read_or_write(const std::string &path, const char *key_0, const char *const *texts,
	                         std::atomic<int> &value);
	static int write(const std::string &path, const char *key_0, const char *text_0);

	static inline int _default_nrpn = NrpnCompatibility_STANDARD;
	std::atomic<int> _nrpn;
	std::atomic<int> _autobind{AutobindMode_CONTINUOUS};
	bool _init_flag = false;
	std::string _nrpn_path;
};

}  // namespace rivo
