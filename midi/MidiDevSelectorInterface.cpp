#include "midi/MidiDevSelectorInterface.h"

#include "config/ConfKeyData.h"
#include "config/ConfKeyMulti.h"
#include "midi/MidiInInterface.h"
#include "midi/MidiMgr.h"
#include "midi/MidiOutInterface.h"
#include "sys/basic_fnc.h"

namespace rivo
{

int MidiDevSelectorInterface::scan_devices()
{
	int ret = scan_dev_in();
	if (ret == 0)
	{
		ret = scan_dev_out();
	}
	_scanned = (ret == 0);
	return ret;
}

int MidiDevSelectorInterface::select_dev_in(int id)
{
	if (_mgr_ptr == nullptr)
	{
		return -1;
	}
	if (MidiInInterface *old_ptr = _mgr_ptr->get_input_device())
	{
		const int ret = old_ptr->disconnect();
		if (ret != 0)
		{
			return ret;
		}
		_cur_in = -1;
		_mgr_ptr->set_input_device(nullptr);
	}
	MidiInInterface *dev_ptr = nullptr;
	int ret = do_select_dev_in(id, dev_ptr);
	if (ret == 0 && dev_ptr != nullptr)
	{
		ret = dev_ptr->connect();
	}
	if (ret != 0)
	{
		return ret;
	}
	_cur_in = (dev_ptr != nullptr) ? id : -1;
	_mgr_ptr->set_input_device(dev_ptr);
	return 0;
}

int MidiDevSelectorInterface::select_dev_out(int id)
{
	if (_mgr_ptr == nullptr)
	{
		return -1;
	}
	if (MidiOutInterface *old_ptr = _mgr_ptr->get_output_device())
	{
		const int ret = old_ptr->disconnect();
		if (ret != 0)
		{
			return ret;
		}
		_cur_out = -1;
		_mgr_ptr->set_output_device(nullptr);
	}
	MidiOutInterface *dev_ptr = nullptr;
	int ret = do_select_dev_out(id, dev_ptr);
	if (ret == 0 && dev_ptr != nullptr)
	{
		ret = dev_ptr->connect();
	}
	if (ret != 0)
	{
		return ret;
	}
	_cur_out = (dev_ptr != nullptr) ? id : -1;
	_mgr_ptr->set_output_device(dev_ptr);
	return 0;
}

int MidiDevSelectorInterface::find_id(const std::deque<Properties> &list, const std::string &name)
{
	for (size_t i = 0; i < list.size(); ++i)
	{
		if (basic::strcmp_ci(list[i]._name.c_str(), name.c_str()))
		{
			return int(i);
		}
	}
	return -1;
}

int MidiDevSelectorInterface::select_dev_in(const std::string &name)
{
	return select_dev_in(find_id(_in, name));
}

int MidiDevSelectorInterface::select_dev_out(const std::string &name)
{
	return select_dev_out(find_id(_out, name));
}

int MidiDevSelectorInterface::select_default_dev(bool enable)
{
	if (!enable)
	{
		const int ret = select_dev_in(-1);
		return (ret != 0) ? ret : select_dev_out(-1);
	}
	int ret = 0;
	if (get_nbr_dev_in() > 0)
	{
		ret = select_dev_in(0);
	}
	if (ret == 0 && get_nbr_dev_out() > 0)
	{
		ret = select_dev_out(0);
	}
	return ret;
}

int MidiDevSelectorInterface::save_port(basic::ConfKeyMulti &parent, const char *key_0, int cur_id,
                                        const std::deque<Properties> &list, basic::SettingClientInterface *dev_ptr)
{
	basic::ConfKeyMulti port(key_0);
	const bool selected = cur_id >= 0 && size_t(cur_id) < list.size();
	port.add_unique(
	   basic::ConfKeyData(MidiDevInterface::PORT_NAME_KEY_NAME, selected ? list[size_t(cur_id)]._name : NO_PORT_KEY_VAL));
	int ret = 0;
	if (selected && dev_ptr != nullptr)
	{
		ret = dev_ptr->save_settings(port);
	}
	if (ret == 0)
	{
		parent.add_unique(port);
	}
	return ret;
}

int MidiDevSelectorInterface::save_settings(basic::ConfKeyMulti &parent)
{
	int ret = save_port(parent, PORT_IN_KEY_NAME, _cur_in, _in, (_mgr_ptr != nullptr) ? _mgr_ptr->get_input_device() : nullptr);
	if (ret == 0)
	{
		ret = save_port(parent, PORT_OUT_KEY_NAME, _cur_out, _out,
		                (_mgr_ptr != nullptr) ? _mgr_ptr->get_output_device() : nullptr);
	}
	return ret;
}

int MidiDevSelectorInterface::select_devices_from_key(const basic::ConfKeyMulti &parent)
{
	int ret = 0;
	const std::string path_in = std::string(PORT_IN_KEY_NAME) + "/" + MidiDevInterface::PORT_NAME_KEY_NAME;
	const std::string path_out = std::string(PORT_OUT_KEY_NAME) + "/" + MidiDevInterface::PORT_NAME_KEY_NAME;
	if (parent.find_index_multi(PORT_IN_KEY_NAME) >= 0 && parent.is_key_existing(path_in))
	{
		ret = select_dev_in(parent.get_key_str(path_in));
	}
	if (ret == 0 && parent.find_index_multi(PORT_OUT_KEY_NAME) >= 0 && parent.is_key_existing(path_out))
	{
		ret = select_dev_out(parent.get_key_str(path_out));
	}
	return ret;
}

int MidiDevSelectorInterface::load_settings(const basic::ConfKeyMulti &parent)
{
	int ret = select_devices_from_key(parent);
	const auto port = [&parent](const char *key_0) -> const basic::ConfKeyMulti * {
		const long i = parent.find_index_multi(key_0);
		return (i >= 0) ? static_cast<const basic::ConfKeyMulti *>(&parent.use_key(i)) : nullptr;
	};
	if (ret == 0 && _mgr_ptr != nullptr && _mgr_ptr->get_input_device() != nullptr && port(PORT_IN_KEY_NAME) != nullptr)
	{
		ret = _mgr_ptr->get_input_device()->load_settings(*port(PORT_IN_KEY_NAME));
	}
	if (ret == 0 && _mgr_ptr != nullptr && _mgr_ptr->get_output_device() != nullptr &&
	    port(PORT_OUT_KEY_NAME) != nullptr)
	{
		ret = _mgr_ptr->get_output_device()->load_settings(*port(PORT_OUT_KEY_NAME));
	}
	return ret;
}

}  // namespace rivo
