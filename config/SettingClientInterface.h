// A part of the plug-in whose configuration goes into setting files.
#pragma once

namespace basic
{

class ConfKeyMulti;

class SettingClientInterface
{
public:
	virtual ~SettingClientInterface() = default;

	// Adds the client's keys to parent; 0 or a negative code.
	virtual int save_settings(ConfKeyMulti &parent) = 0;
	// Reads the client's keys from parent; 0 or a negative code.
	virtual int load_settings(const ConfKeyMulti &parent) = 0;
};

}  // namespace basic
