#include "midi/MidiDevSelDispatcher.h"

#include "midi/MidiDevSelCompInterface.h"

#include <algorithm>

namespace rivo
{

void MidiDevSelDispatcher::register_dev_list(MidiDevSelCompInterface &comp)
{
	_comps.push_back(&comp);
	comp.register_ack(*this);
}

void MidiDevSelDispatcher::unregister_dev_list(MidiDevSelCompInterface &comp)
{
	_comps.erase(std::remove(_comps.begin(), _comps.end(), &comp), _comps.end());
}

int MidiDevSelDispatcher::init()
{
	int ret = 0;
	for (size_t i = 0; i < _comps.size() && ret == 0; ++i)
	{
		ret = _comps[i]->init();
	}
	_init_flag = (ret == 0);
	return ret;
}

int MidiDevSelDispatcher::configure_dev_in()
{
	int ret = 0;
	for (size_t i = 0; i < _comps.size() && ret == 0; ++i)
	{
		ret = _comps[i]->configure_dev_in(get_dev_in_cur_id());
	}
	return ret;
}

int MidiDevSelDispatcher::configure_dev_out()
{
	int ret = 0;
	for (size_t i = 0; i < _comps.size() && ret == 0; ++i)
	{
		ret = _comps[i]->configure_dev_out(get_dev_out_cur_id());
	}
	return ret;
}

int MidiDevSelDispatcher::scan_dev_in()
{
	int ret = 0;
	for (size_t i = 0; i < _comps.size() && ret == 0; ++i)
	{
		ret = _comps[i]->scan_dev_in(get_nbr_dev_in());
	}
	return ret;
}

int MidiDevSelDispatcher::scan_dev_out()
{
	int ret = 0;
	for (size_t i = 0; i < _comps.size() && ret == 0; ++i)
	{
		ret = _comps[i]->scan_dev_out(get_nbr_dev_out());
	}
	return ret;
}

int MidiDevSelDispatcher::do_select_dev_in(int id, MidiInInterface *&dev_ptr)
{
	dev_ptr = nullptr;
	int ret = 0;
	for (size_t i = 0; i < _comps.size() && ret == 0; ++i)
	{
		ret = _comps[i]->select_dev_in(id, dev_ptr);
	}
	return ret;
}

int MidiDevSelDispatcher::do_select_dev_out(int id, MidiOutInterface *&dev_ptr)
{
	dev_ptr = nullptr;
	int ret = 0;
	for (size_t i = 0; i < _comps.size() && ret == 0; ++i)
	{
		ret = _comps[i]->select_dev_out(id, dev_ptr);
	}
	return ret;
}

}  // namespace rivo
