#include "midi/MidiDevSelCompInterface.h"

#include "midi/MidiDevSelDispatcher.h"

namespace rivo
{

int MidiDevSelCompInterface::scan_dev_in(int first)
{
	const int ret = do_scan_dev_in(first);
	if (ret == 0 && _dispatcher_ptr != nullptr)
	{
		_first_in = first;
		_nbr_in = _dispatcher_ptr->get_nbr_dev_in() - first;
	}
	return ret;
}

int MidiDevSelCompInterface::scan_dev_out(int first)
{
	const int ret = do_scan_dev_out(first);
	if (ret == 0 && _dispatcher_ptr != nullptr)
	{
		_first_out = first;
		_nbr_out = _dispatcher_ptr->get_nbr_dev_out() - first;
	}
	return ret;
}

int MidiDevSelCompInterface::select_dev_in(int id, MidiInInterface *&dev_ptr)
{
	return holds(id, _first_in, _nbr_in) ? do_select_dev_in(id, dev_ptr) : do_remove_dev_in();
}

int MidiDevSelCompInterface::select_dev_out(int id, MidiOutInterface *&dev_ptr)
{
	return holds(id, _first_out, _nbr_out) ? do_select_dev_out(id, dev_ptr) : do_remove_dev_out();
}

int MidiDevSelCompInterface::configure_dev_in(int id)
{
	return holds(id, _first_in, _nbr_in) ? do_configure_dev_in(id) : 0;
}

int MidiDevSelCompInterface::configure_dev_out(int id)
{
	return holds(id, _first_out, _nbr_out) ? do_configure_dev_out(id) : 0;
}

}  // namespace rivo
