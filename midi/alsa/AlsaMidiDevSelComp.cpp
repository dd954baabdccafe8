#include "midi/alsa/AlsaMidiDevSelComp.h"

#include "midi/MidiDevSelDispatcher.h"
#include "midi/alsa/AlsaMidiIn.h"
#include "midi/alsa/AlsaMidiOut.h"
#include "midi/alsa/AlsaSeqLib.h"

namespace rivo
{

AlsaMidiDevSelComp::AlsaMidiDevSelComp()
{
	const AlsaSeqLib *lib = AlsaSeqLib::get();
	_usable = lib != nullptr && lib->is_usable();
}

AlsaMidiDevSelComp::~AlsaMidiDevSelComp() = default;

int AlsaMidiDevSelComp::do_scan_dev_in(int)
{
	if (_usable)
	{
		use_dispatcher()->add_dev_in({DEV_IN_NAME, false});
	}
	return 0;
}

int AlsaMidiDevSelComp::do_scan_dev_out(int)
{
	if (_usable)
	{
		use_dispatcher()->add_dev_out({DEV_OUT_NAME, false});
	}
	return 0;
}

int AlsaMidiDevSelComp::do_select_dev_in(int id, MidiInInterface *&dev_ptr)
{
	_in.reset();
	MidiMgr *mgr_ptr = use_dispatcher()->use_midi_mgr();
	if (mgr_ptr == nullptr)
	{
		return -1;
	}
	auto dev = std::make_unique<AlsaMidiIn>(id - get_start_id_in(), IN_CAPACITY);
	dev->set_midi_mgr(*mgr_ptr);
	const int ret = dev->init();
	if (ret != 0)
	{
		return ret;
	}
	_in = std::move(dev);
	dev_ptr = _in.get();
	return 0;
}

int AlsaMidiDevSelComp::do_select_dev_out(int id, MidiOutInterface *&dev_ptr)
{
	_out.reset();
	MidiMgr *mgr_ptr = use_dispatcher()->use_midi_mgr();
	if (mgr_ptr == nullptr)
	{
		return -1;
	}
	auto dev = std::make_unique<AlsaMidiOut>(id - get_start_id_out());
	dev->set_midi_mgr(*mgr_ptr);
	const int ret = dev->init();
	if (ret != 0)
	{
		return ret;
	}
	_out = std::move(dev);
	dev_ptr = _out.get();
	return 0;
}

int AlsaMidiDevSelComp::do_remove_dev_in()
{
	_in.reset();
	return 0;
}

int AlsaMidiDevSelComp::do_remove_dev_out()
{
	_out.reset();
	return 0;
}

}  // namespace rivo
