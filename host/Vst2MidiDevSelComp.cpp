#include "host/Vst2MidiDevSelComp.h"

#include "host/Vst2Plugin.h"
#include "midi/MidiDevSelDispatcher.h"

namespace rivo
{

void Vst2MidiDevSelComp::do_set_plugin(Vst2Plugin &plugin)
{
	_in.set_plugin(plugin);
	_out.set_plugin(plugin);
	if (MidiMgr *mgr_ptr = plugin.use_midi_interface())
	{
		_in.set_midi_mgr(*mgr_ptr);
		_out.set_midi_mgr(*mgr_ptr);
	}
}

int Vst2MidiDevSelComp::init()
{
	const int ret = _in.init();
	return (ret != 0) ? ret : _out.init();
}

int Vst2MidiDevSelComp::do_scan_dev_in(int)
{
	use_dispatcher()->add_dev_in({DEV_IN_NAME, false});
	return 0;
}

int Vst2MidiDevSelComp::do_scan_dev_out(int)
{
	use_dispatcher()->add_dev_out({DEV_OUT_NAME, false});
	return 0;
}

int Vst2MidiDevSelComp::do_select_dev_in(int id, MidiInInterface *&dev_ptr)
{
	if (id == get_start_id_in())
	{
		dev_ptr = &_in;
	}
	return 0;
}

int Vst2MidiDevSelComp::do_select_dev_out(int id, MidiOutInterface *&dev_ptr)
{
	if (id == get_start_id_out())
	{
		dev_ptr = &_out;
	}
	return 0;
}

}  // namespace rivo
