// The MIDI devices on offer, in and out, each known by its id (its place in
// the list) and its name, and the current choice, saved by name.
#pragma once

#include "config/SettingClientInterface.h"

#include <deque>
#include <string>

namespace rivo
{

class MidiInInterface;
class MidiMgr;
class MidiOutInterface;

class MidiDevSelectorInterface : public basic::SettingClientInterface
{
public:
	struct Properties
	{
		std::string _name;
		bool _flag = false;
	};
	static constexpr const char *PORT_IN_KEY_NAME = "port_in";
	static constexpr const char *PORT_OUT_KEY_NAME = "port_out";
	static constexpr const char *NO_PORT_KEY_VAL = "none";

	int save_settings(basic::ConfKeyMulti &parent) override;
	int load_settings(const basic::ConfKeyMulti &parent) override;
	virtual int init() = 0;
	virtual int configure_dev_in() = 0;
	virtual int configure_dev_out() = 0;
	virtual int scan_dev_in() = 0;
	virtual int scan_dev_out() = 0;

	void connect_midi_mgr(MidiMgr &mgr) noexcept
	{
		_mgr_ptr = &mgr;
	}
	MidiMgr *use_midi_mgr() const noexcept
	{
		return _mgr_ptr;
	}
	int scan_devices();
	bool are_devices_scanned() const noexcept
	{
		return _scanned;
	}
	int get_nbr_dev_in() const noexcept
	{
		return int(_in.size());
	}
	int get_nbr_dev_out() const noexcept
	{
		return int(_out.size());
	}
	const Properties &get_dev_in_prop(int id) const
	{
		return _in.at(size_t(id));
	}
	const Properties &get_dev_out_prop(int id) const
	{
		return _out.at(size_t(id));
	}
	int get_dev_in_cur_id() const noexcept
	{
		return _cur_in;
	}
	int get_dev_out_cur_id() const noexcept
	{
		return _cur_out;
	}
	// 0, or the first error of disconnecting, selecting or connecting; an id
	// that no device has (-1) leaves the direction without a device.
	int select_dev_in(int id);
	int select_dev_out(int id);
	// Ignoring case; a name not offered selects no device.
	int select_dev_in(const std::string &name);
	int select_dev_out(const std::string &name);
	int select_default_dev(bool enable);
	int select_devices_from_key(const basic::ConfKeyMulti &parent);
	std::deque<Properties> &use_prop_list_in() noexcept
	{
		return _in;
	}
	std::deque<Properties> &use_prop_list_out() noexcept
	{
		return _out;
	}

protected:
	virtual int do_select_dev_in(int id, MidiInInterface *&dev_ptr) = 0;
	virtual int do_select_dev_out(int id, MidiOutInterface *&dev_ptr) = 0;

private:
	static int find_id(const std::deque<Properties> &list, const std::string &name);
	int save_port(basic::ConfKeyMulti &parent, const char *key_0, int cur_id, const std::deque<Properties> &list,
	              basic::SettingClientInterface *dev_ptr);

	MidiMgr *_mgr_ptr = nullptr;
	std::deque<Properties> _in;
	std::deque<Properties> _out;
	int _cur_in = -1;
	int _cur_out = -1;
	bool _scanned = false;
};

}  // namespace rivo
